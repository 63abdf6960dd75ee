#include <gtest/gtest.h>

#include "engine/form.h"
#include "numeric/numtext.h"
#include "support/keys.h"

namespace velmor {
namespace {

using testing::Harness;

std::string unitCaptions(Form& form) {
    return form.control(Ctl::Degrees).text + "/" + form.control(Ctl::Radians).text + "/" +
           form.control(Ctl::Grads).text;
}

TEST(BaseChange, FailedChangePutsTheOldBaseBackWithItsWordSize) {
    Harness h;
    h.press({"Option1(0)", "optRad"});
    h.calc.displayEdited("12G4");
    h.press({"Option1(2)"});

    ASSERT_EQ(h.platform.boxes.size(), 1u);
    EXPECT_EQ(h.platform.boxes[0].text, "13Type mismatch");
    EXPECT_EQ(h.platform.boxes[0].icon, MsgIcon::None);
    Form& form = h.form();
    EXPECT_TRUE(form.isSelected(baseOption(kHex)));
    EXPECT_FALSE(form.isSelected(baseOption(kOct)));
    EXPECT_EQ(form.display.format(), (NumberFormat{kHex, 16}));
    EXPECT_TRUE(form.isSelected(Ctl::Radians));
    EXPECT_EQ(unitCaptions(form), "Dword/Word/Byte");
    EXPECT_TRUE(form.control(hexKey(0)).enabled);
    EXPECT_TRUE(form.control(digitKey(9)).enabled);
    EXPECT_EQ(h.display(), "12G4");
}

TEST(BaseChange, OverflowLeavingDecimalKeepsTheAngleUnit) {
    Harness h;
    h.press({"optGrad", "3", "0", "0", "0", "0", "0", "0", "0", "0", "0", "Option1(3)"});
    ASSERT_EQ(h.platform.boxes.size(), 1u);
    EXPECT_EQ(h.platform.boxes[0].text, "6Overflow");
    Form& form = h.form();
    EXPECT_TRUE(form.isSelected(baseOption(kDec)));
    EXPECT_TRUE(form.display.format().decimal());
    EXPECT_TRUE(form.isSelected(Ctl::Grads));
    EXPECT_EQ(unitCaptions(form), "Deg/Rad/Grad");
    EXPECT_TRUE(form.control(digitKey(2)).enabled);
    EXPECT_FALSE(form.control(hexKey(0)).enabled);
    EXPECT_EQ(h.display(), "3000000000");

    // The unit remembered is the one selected when decimal is really left.
    h.press({"CE", "Option1(0)", "Option1(1)"});
    EXPECT_TRUE(form.isSelected(Ctl::Grads));
}

TEST(BaseChange, LeavesTheRunningCalculationAlone) {
    Harness h;
    EngineState& engine = h.form().engine;
    engine.accumulator = 12;
    engine.pendingOp = binaryOpNamed("+");
    for (bool newNumber : {false, true}) {
        h.calc.displayEdited("7");
        if (newNumber) h.form().display.endEntry();
        for (const char* base : {"Option1(0)", "Option1(3)", "Option1(2)", "Option1(1)"}) {
            h.press({base});
            EXPECT_EQ(h.form().display.startsNewNumber(), newNumber) << base;
        }
        EXPECT_EQ(h.display(), "7");
        EXPECT_EQ(engine.accumulator, 12);
        EXPECT_EQ(nameOf(engine.pendingOp), "+");
    }
}

TEST(BaseChange, SampledIntegersSurviveAnotherBaseAndBack) {
    Harness h;
    std::uint32_t state = 0x9E3779B9u;
    std::vector<std::int32_t> samples = {0, 1, -1, 2147483647, -2147483647 - 1, 65535, 1023, 1024};
    for (int i = 0; i < 600; ++i) {
        state ^= state << 13; state ^= state >> 17; state ^= state << 5;
        samples.push_back(static_cast<std::int32_t>(state));
    }
    for (std::int32_t v : samples) {
        for (const char* other : {"Option1(0)", "Option1(2)", "Option1(3)"}) {
            const std::string decimal = numberText(v);
            h.calc.displayEdited(decimal);
            h.press({other, "Option1(1)"});
            ASSERT_EQ(h.display(), decimal) << other;
        }
    }
    EXPECT_TRUE(h.platform.boxes.empty());
}

}  // namespace
}  // namespace velmor
