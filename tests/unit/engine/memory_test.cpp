// The memory keys and pi.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/keys.h"

namespace velmor::testing {
namespace {

using namespace key;

TEST(Memory, KeysAndRecall) {
    expectDisplays({
        {{MRC}, "0"},
        {{"5", MS, MRC}, "5"},
        {{"5", MS, MRC, "1"}, "1"},
        {{"3", MS, "+", MRC, "="}, "6"},
        {{"4", MS, "+", "6", MPlus, MRC}, "10"},
        {{"4", MS, "6", MPlus, MRC}, "50"},  // "MS" keeps the entry open: 46 is added
        {{"4", MS, "8", MC}, "0"},
        {{"4", MS, MC, MRC}, "0"},
        {{"4", MS, MC, "7"}, "7"},
        {{"2", "+", "3", MS, "=", MRC}, "3"},
        {{"2", "+", MC, "+", "5", "="}, "7"},  // the 0 shown by "MC" completes 2 + 0
        {{Pi}, "3.14159265358979"},
        {{Pi, "2"}, "2"},
        {{"2", "*", Pi, "="}, "6.28318530717959"},
        {{"CE", MS, "9", MRC}, "0"},
    });
}

TEST(Memory, ReadsTheLeadingNumberOfTheDisplay) {
    Harness h;
    h.form().display.setText("12abc");
    h.press({MPlus, MRC});
    EXPECT_EQ(h.display(), "12");
    h.form().display.setText("Infinity");
    h.press({MS, MRC});
    EXPECT_EQ(h.display(), "0");
}

TEST(Memory, StaysFiniteBeyondTheDoubleRange) {
    Harness h;
    h.form().display.setText("1E+400");
    h.press({MS});
    EXPECT_EQ(h.display(), "Error :overflow");
    h.press({MRC});
    EXPECT_EQ(h.display(), "0");

    h.form().display.setText("1.5E+308");
    h.press({MS, MPlus});
    EXPECT_EQ(h.display(), "Error :overflow");
    h.press({MRC});
    EXPECT_EQ(h.display(), "1.5E+308");
}

TEST(Memory, LeavesTheRunningValueAndPendingOperationAlone) {
    Harness h;
    h.press({"8", "-", "3", MS, MC, MRC});
    EXPECT_EQ(nameOf(h.form().engine.pendingOp), "-");
    EXPECT_EQ(h.form().engine.accumulator, 8);
}

}  // namespace
}  // namespace velmor::testing
