// Chained arithmetic in Dec: key sequences after start-up and what the display shows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/keys.h"

namespace velmor::testing {
namespace {

TEST(Chains, LeftToRightWithoutPrecedence) {
    expectDisplays({
        {{"2", "+", "3", "="}, "5"},
        {{"2", "+", "3", "+"}, "5"},
        {{"2", "+", "3", "+", "4", "="}, "9"},
        {{"9", "-"}, "9"},
        {{"9", "-", "4", "-"}, "5"},
        {{"9", "-", "4", "-", "1", "="}, "4"},
        {{"9", "-", "4", "="}, "5"},
        {{"2", "*"}, "2"},
        {{"2", "*", "3", "*"}, "6"},
        {{"2", "*", "3", "="}, "6"},
        {{"7", "Mod"}, "7"},
        {{"7", "Mod", "3", "="}, "1"},
        {{"2", "+", "3", "*"}, "5"},
        {{"2", "+", "3", "*", "4", "="}, "20"},
        {{"2", "/", "4", "+"}, "0.5"},
        {{"2", "/", "4", "+", "1", "="}, "1.5"},
        {{"2", "+", "3", "-", "1", "="}, "4"},
        {{"2", "x^y", "1", "0", "-", "2", "4", "="}, "1000"},
        {{"1", "0", "/", "4", "="}, "2.5"},
        {{"2", "x^y", "0", "="}, "1"},
    });
}

TEST(Chains, DeferredKeysEmptyTheDisplay) {
    expectDisplays({
        {{"2", "/"}, ""},
        {{"2", "x^y"}, ""},
        {{"2", "+", "3", "/"}, ""},
        {{"2", "+", "3", "/", "2", "="}, "2.5"},
    });
}

TEST(Chains, SecondBinaryKeyOnlyReplacesTheOperator) {
    expectDisplays({
        {{"9", "+", "-"}, "9"},
        {{"9", "+", "-", "4", "="}, "5"},
        {{"2", "*", "+", "3", "="}, "5"},
        {{"6", "-", "Mod", "4", "="}, "2"},
    });
}

TEST(Chains, OneOperandKeysLeaveThePendingOperationAlone) {
    expectDisplays({
        {{"2", "+", "3", "x^2", "="}, "11"},
        {{"2", "+", "3", "x^3", "="}, "29"},
        {{"1", "+", "4", "1/x", "="}, "1.25"},
        {{"1", "2", "x^2"}, "144"},
        {{"2", "x^3"}, "8"},
        {{"4", "1/x"}, "0.25"},
        {{"3", "x^2", "+", "1", "="}, "10"},
        {{"2", "x^2", "x^2"}, "16"},
    });
}

TEST(Chains, ComputedResultsStartANewNumber) {
    expectDisplays({
        {{"2", "+", "3", "=", "4"}, "4"},
        {{"3", "x^2", "5"}, "5"},
        {{"2", "+", "3", "+", "7"}, "7"},
        {{"2", "+", "3", "=", "=", "="}, "5"},
        // After "=" nothing is pending: "+" takes the shown result as running value.
        {{"2", "+", "3", "=", "+", "1", "="}, "6"},
        // "=" on the running value itself: the display is the second operand.
        {{"2", "+", "="}, "4"},
    });
}

TEST(Chains, FailuresShowTheirTextsInTheirRows) {
    expectDisplays({
        {{"7", "/", "0", "="}, "error :positive infinity"},
        {{"0", "/", "0", "="}, "Error :overflow"},
        {{"7", "/", "="}, "error :positive infinity"},
        {{"7", "Mod", "0", "="}, "error :positive infinity"},
        {{"0", "1/x"}, "error :positive infinity"},
        {{"2", "x^y", "="}, ""},
        {{"1", "0", "x^y", "4", "0", "0", "="}, "Error :overflow"},
        {{"1", "0", "x^y", "4", "0", "0", "+"}, "Error :overflow"},
        {{"0", "x^y", "1", "+/-", "="}, "-1"},
        {{"7", "/", "0", "+"}, "error :positive infinity"},
        {{"1", "0", "x^y", "2", "0", "0", "=", "x^2"}, "Error :overflow"},
        {{"1", "0", "x^y", "2", "0", "0", "=", "x^3"}, "Error :overflow"},
        {{"1", "0", "x^y", "2", "0", "0", "=", "*", "="}, "Error :overflow"},
        {{"1", "0", "x^y", "2", "0", "0", "=", "+", "="}, "2E+200"},
        {{"3", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "Mod", "2", "="}, "Error :overflow"},
    });
}

TEST(Chains, FailedCompletionLeavesNothingPending) {
    Harness h;
    h.press({"7", "/", "0", "+"});
    EXPECT_EQ(h.display(), "error :positive infinity");
    EXPECT_EQ(nameOf(h.form().engine.pendingOp), "");
    h.press({"5"});
    EXPECT_EQ(h.display(), "5");
    h.press({"="});
    EXPECT_EQ(h.display(), "5");
}

TEST(Chains, PowerFailuresOtherThanOverflowAreSilent) {
    Harness h;
    h.press({"8", "+/-", "x^y", "0", ".", "5", "="});
    EXPECT_EQ(h.display(), "0.5");  // invalid power: display unchanged
    Harness zero;
    zero.press({"0", "x^y", "2", "+/-", "="});
    EXPECT_EQ(zero.display(), "-2");  // 0 to a negative power: no message for powers
}

TEST(Equals, ClearsThePendingOperationAndCopiesTheRunningValue) {
    Harness h;
    h.press({"1", "2", "+", "7", "="});
    EXPECT_EQ(h.display(), "19");
    EXPECT_EQ(h.form().control(Ctl::WorkValue).text, "19");
    EXPECT_EQ(nameOf(h.form().engine.pendingOp), "");
    EXPECT_EQ(h.form().engine.accumulator, 19);
    h.press({"5", "="});
    EXPECT_EQ(h.display(), "5");
    EXPECT_EQ(h.form().control(Ctl::WorkValue).text, "19");
}

TEST(Equals, FailureLeavesText2AndClearsThePendingOperation) {
    Harness h;
    h.press({"4", "+", "1", "=", "7", "/", "0", "="});
    EXPECT_EQ(h.display(), "error :positive infinity");
    EXPECT_EQ(h.form().control(Ctl::WorkValue).text, "5");
    EXPECT_EQ(nameOf(h.form().engine.pendingOp), "");
}

}  // namespace
}  // namespace velmor::testing
