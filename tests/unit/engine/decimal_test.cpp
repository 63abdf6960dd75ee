// Decimal numbers at full precision: chains a user presses, the full value
// behind a result's text, exact differences and the ends of the range.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/keys.h"

namespace velmor::testing {
namespace {

// A step is a key, or a text put into the display as typed or pasted when it
// starts with "'".
struct StepCase {
    std::vector<std::string> steps;
    const char* display;
};

void expectSteps(const std::vector<StepCase>& cases) {
    for (const StepCase& c : cases) {
        Harness h;
        for (const std::string& step : c.steps) {
            if (step.size() > 1 && step[0] == '\'') h.calc.displayEdited(step.substr(1));
            else h.press({step});
        }
        EXPECT_EQ(h.display(), c.display) << "steps: " << joined(c.steps);
    }
}

TEST(DecimalChains, ResultsAreRightForTheNumbersShown) {
    expectSteps({
        {{"1", "/", "3", "*", "3", "="}, "1"},
        {{"1", "0", "/", "3", "*", "3", "="}, "10"},
        {{"3", "cmdsqrt", "+/-", "x^2"}, "3"},
        {{"2", "cmdsqrt", "x^2"}, "2"},
        // Degrees are selected at start.
        {{"4", "5", "Command10", "-", "2", "cmdsqrt", "1/x", "="}, "0"},
        {{"2", "cmdsqrt", "1/x", "cmdCont(3)"}, "45"},
        {{"1", "-", "'0.9", "-", "'0.1", "="}, "0"},
        {{"'0.1", "+", "'0.2", "-", "'0.3", "="}, "0"},
        {{"2", "7", "cmdnsqrt", "3", "="}, "3"},
        {{"1", "0", "x^y", "2", "-", "1", "0", "0", "="}, "0"},
        // Functions of the decimal as typed.
        {{"optRad", "'3.14159265358979", "Command10"}, "3.23846264338328E-15"},
        {{"optRad", "Command7", "Command10"}, "0"},
        {{"optRad", "'0.4", "Command10"}, "0.38941834230865"},
        {{"optRad", "'0.3", "cmdCont(3)"}, "0.304692654015398"},
        {{"'0.7", "cmdCont(9)"}, "0.758583701839534"},
        {{"1", "8", "cmdsqrt"}, "4.24264068711929"},
        {{"4", "7", "3", "2", "1", "1", "cmdsqrt"}, "687.903336232643"},
        {{"optRad", "'1E300", "Command10"}, "-0.985750425160377"},
        {{"'1E300", "Command10"}, "-0.984807753012208"},  // degrees: 1E300 is 280 degrees past whole turns
    });
}

// The full value stays behind a result's text until an edit makes the text
// the truth: after Backspace or a paste the display means what it shows.
TEST(DecimalChains, TheFullValueStaysBehindTheTextUntilAnEdit) {
    expectSteps({
        {{"1", "/", "3", "=", "*", "3", "="}, "1"},
        {{"1", "/", "3", "=", "Backspace", "*", "3", "="}, "0.99999999999999"},
        {{"1", "/", "3", "=", "+/-", "*", "3", "="}, "-1"},
        {{"1", "/", "3", "=", "+/-", "+/-", "*", "3", "="}, "1"},
        {{"1", "/", "3", "=", "Backspace", "+/-", "*", "3", "="}, "-0.99999999999999"},
        {{"1", "/", "3", "=", "'0.333333333333333", "*", "3", "="}, "0.999999999999999"},
        {{"1", "/", "3", "=", "Command5", "CE", "Command4", "*", "3", "="}, "1"},
        {{"1", "/", "3", "=", "Command5", "Command6", "Command4"}, "0.666666666666667"},
        {{"1", "/", "3", "=", "Command5", "Command6", "Command4", "*", "3", "="}, "2"},
        {{"2", "cmdsqrt", "cmdStat", "cmdData", "cmdData", "cmdSigmaX2"}, "4"},
        {{"2", "cmdsqrt", "+", "cmdNext", "x^2"}, "2"},
    });
}

// Typed numbers are exact and so are their sums: no digit of a difference is
// taken for noise, at the keypad and in the memory. Only what the noise of
// inexact values leaves cancels to 0.
TEST(DecimalChains, ExactDifferencesKeepEveryDigit) {
    expectSteps({
        {{"1", "-", "'0.99999999999999999999999999999991", "="}, "9E-32"},
        {{"'2", "+", "'-1.99999999999999999999999999999981", "="}, "1.9E-31"},
        {{"'1E32", "+", "1", "-", "'1E32", "="}, "1"},
        {{"1", "+", "'1E-32", "-", "1", "="}, "1E-32"},
        {{"'123456789", "+", "'0.00000000000000000000001", "-", "'123456789", "="}, "1E-23"},
        {{"'1E32", "Command5", "'1", "Command6", "'-1E32", "Command6", "Command4"}, "1"},
        {{"1", "/", "3", "*", "3", "-", "1", "="}, "0"},
    });
}

// The largest value shown reads back and computes; results below the smallest
// double are 0, above it they are exact.
TEST(DecimalChains, TheRangeAndItsEnds) {
    expectSteps({
        {{"'1.79769313486232E+308", "+/-", "+/-"}, "1.79769313486232E+308"},
        {{"'1.79769313486232E+308", "+", "0", "="}, "1.79769313486232E+308"},
        {{"'1.79769313486232E+308", "+/-", "-", "0", "="}, "-1.79769313486232E+308"},
        {{"'1.79769313486232E+308", "*", "1", "0", "="}, "Error :overflow"},
        {{"'1.79769313486232E+308", "*", "'1.0000000000000027", "="}, "1.79769313486232E+308"},
        {{"'1.79769313486232E+308", "*", "'1.0000000000000028", "="}, "Error :overflow"},
        {{"3", "2", "0", "+/-", "cmd10x"}, "1E-320"},
        {{"1", "0", "x^y", "3", "2", "4", "+/-", "="}, "0"},
        {{"'1E-320", "/", "1", "0", "="}, "1E-321"},
        {{"'5E-324", "/", "2", "="}, "0"},
        {{"'1E308", "Command5", "Command6"}, "Error :overflow"},
        {{"'1E308", "Command5", "Command6", "Command4"}, "1E+308"},
    });
}

}  // namespace
}  // namespace velmor::testing
