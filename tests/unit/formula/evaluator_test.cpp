#include <gtest/gtest.h>

#include "formula/evaluator.h"

namespace velmor {
namespace {

// What the display would show: the computed text, or "=" + the formula when nothing is computed.
std::string shown(const std::string& formula, const VariableValues& values = {}) {
    const Evaluation e = evaluateFormula(formula, values);
    return e.outcome == EvaluationOutcome::Unchanged ? "=" + formula : outcomeText(e);
}

struct Case {
    const char* formula;
    const char* expected;
};

void expectAll(const std::vector<Case>& cases, const VariableValues& values = {}) {
    for (const Case& c : cases) EXPECT_EQ(shown(c.formula, values), c.expected) << c.formula;
}

TEST(FormulaEvaluator, PrecedenceAndAssociativity) {
    expectAll({
        {"1+2*3", "7"}, {"(1+2)*3", "9"}, {"10-4-3", "3"}, {"100/10/5", "2"},
        {"2*3x^y2", "18"}, {"2x^y3x^y2", "512"}, {"(2x^y3)x^y2", "64"},
        {"7Mod4*2", "6"}, {"1+7Mod4", "4"}, {"17Mod5Mod3", "2"}, {"8-2+1", "7"},
        {"3x^2x^y2", "81"}, {"2*3x^2", "18"}, {"1+2x^3", "9"}, {"41/x", "0.25"},
    });
}

// Decimal numbers are exact, and what is left of a cancellation is 0: the
// formula agrees with the keypad on the same sum.
TEST(FormulaEvaluator, DecimalSumsAndCancellation) {
    expectAll({
        {"1-0.9-0.1", "0"}, {"44.23-8.10-11.23-6.9-18", "0"}, {"8x^y(2/3)-4", "0"},
        {"0.1+0.2", "0.3"}, {"0.1+0.2-0.3", "0"}, {"1/3*3", "1"}, {"10/3*3", "10"},
        {"(2x^y0.5)x^2", "2"}, {"27x^y(1/3)", "3"}, {"1/3-0.333333333333333", "3.33333333333333E-16"},
    });
}

TEST(FormulaEvaluator, SignsOfTheirOwn) {
    expectAll({
        {"-2x^y2", "-4"}, {"(-2)x^y2", "4"}, {"2x^y-1", "0.5"}, {"--3", "3"}, {"+3-5", "-2"},
        {"2*-3", "-6"}, {"-(4-1)", "-3"}, {"-7Mod3", "-1"}, {"7Mod-3", "1"},
    });
}

TEST(FormulaEvaluator, NumbersWithPointAndExponent) {
    expectAll({
        {"0.5+1.5E-07", "0.50000015"}, {".5*4", "2"}, {"2.5E+3/5", "500"}, {"1E2x^2", "10000"},
        {"0.1+0.2", "0.3"}, {"1/3", "0.333333333333333"}, {"1E-5*1", "1E-05"}, {"1E14*10", "1E+15"},
    });
}

TEST(FormulaEvaluator, NestingToAnyDepth) {
    expectAll({
        {"((((2))))+1", "3"}, {"((1+2)*(3+4))x^2", "441"}, {"(2*(3+(4-(5*(6-7)))))", "24"},
    });
    const std::string deep = std::string(200, '(') + "1+1" + std::string(200, ')');
    EXPECT_EQ(shown(deep), "2");
}

TEST(FormulaEvaluator, ModRoundsItsOperandsToIntegers) {
    expectAll({{"7.6Mod2", "0"}, {"7.4Mod2", "1"}, {"2.5Mod2", "0"}, {"3.5Mod2", "0"}});
}

TEST(FormulaEvaluator, EveryFailureHasItsText) {
    expectAll({
        {"1/0", "error :positive infinity"}, {"01/x", "error :positive infinity"},
        {"5Mod0", "error :positive infinity"}, {"0x^y-1", "error :positive infinity"},
        {"(1-1)1/x", "error :positive infinity"},
        {"1E300*1E300", "Error :overflow"}, {"1E200x^3", "Error :overflow"},
        {"1E10Mod3", "Error :overflow"}, {"10x^y400", "Error :overflow"},
        {"1E400+1", "Error :overflow"},
        {"1+", "Invalid : input"}, {"*2", "Invalid : input"}, {"2**3", "Invalid : input"},
        {"(1+2", "Invalid : input"}, {"1+2)", "Invalid : input"}, {"()", "Invalid : input"},
        {"(1))(", "Invalid : input"}, {"x^2", "Invalid : input"}, {"1x^y", "Invalid : input"},
        {"Mod3", "Invalid : input"}, {"1..2", "Invalid : input"}, {".", "Invalid : input"},
        {"2(3)", "Invalid : input"}, {"(-8)x^y0.5", "Invalid : input"}, {"1+x", "Invalid : input"},
        {"Invalid : input", "Invalid : input"}, {"12G", "Invalid : input"},
    });
    const std::string tooDeep = std::string(5000, '(') + "1" + std::string(5000, ')');
    EXPECT_EQ(outcomeText(evaluateFormula(tooDeep + "+1", {})), "Invalid : input");
}

TEST(FormulaEvaluator, LoneNumbersAreNotComputed) {
    expectAll({{"42", "=42"}, {"(42)", "=(42)"}, {"007", "=007"}, {"", "="}, {"((1.50))", "=((1.50))"}});
    EXPECT_EQ(shown("(42", {}), "Invalid : input");
    EXPECT_EQ(shown("A", {std::string("-007")}), "=A");  // a signed value alone stays as typed
}

VariableValues values(std::initializer_list<const char*> texts) {
    VariableValues v;
    size_t slot = 0;
    for (const char* t : texts) v[slot++] = std::string(t);
    return v;
}

TEST(FormulaEvaluator, VariablesTakeTheirValuesAsOneNumber) {
    EXPECT_EQ(shown("A+B", values({"12", "7"})), "19");
    EXPECT_EQ(shown("(A-B)", values({"9", "4"})), "5");
    EXPECT_EQ(shown("A+A", values({"3"})), "6");
    EXPECT_EQ(shown("A+B*C", values({"1", "2", "3"})), "7");
    EXPECT_EQ(shown("(A+B)*C", values({"1", "2", "3"})), "9");
    EXPECT_EQ(shown("Ax^2+B", values({"3", "1"})), "10");
    EXPECT_EQ(shown("A/B", values({"1", "0"})), "error :positive infinity");
    EXPECT_EQ(shown("A+B", values({"0.5", "1.5E-07"})), "0.50000015");
    EXPECT_EQ(shown("A1/x", values({"3"})), "0.333333333333333");
    EXPECT_EQ(shown("Ax^2", values({"-3"})), "9");            // the value's own sign goes with it
    EXPECT_EQ(shown("AMod2", values({"-7"})), "-1");
    EXPECT_EQ(shown("2x^yA", values({"-1"})), "0.5");
    EXPECT_EQ(shown("A*2", values({"1E+300"})), "2E+300");
}

TEST(FormulaEvaluator, EmptyAndUnusableValues) {
    EXPECT_EQ(shown("A+B", values({"", "7"})), "7");  // an empty value drops its letter: "+7"
    EXPECT_EQ(shown("A+B", values({"5", ""})), "Invalid : input");
    EXPECT_EQ(shown("A*B", values({"", "7"})), "Invalid : input");
    EXPECT_EQ(shown("A+1", values({"3+"})), "Invalid : input");
    EXPECT_EQ(shown("A+1", values({"B"})), "Invalid : input");
    EXPECT_EQ(shown("A+1", values({"1.5E"})), "Invalid : input");
    EXPECT_EQ(shown("A+B", values({"1"})), "Invalid : input");  // B never given
}

}  // namespace
}  // namespace velmor
