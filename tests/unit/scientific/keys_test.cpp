#include <gtest/gtest.h>

#include <set>

#include "engine/form.h"
#include "numeric/random_generator.h"
#include "support/keys.h"

namespace velmor {
namespace {

using testing::Harness;

TEST(ScientificKeys, EveryResultStartsANewEntry) {
    const std::vector<std::string> keys = {"Command10", "Command9", "Command8", "cmdCont(0)", "cmdCont(9)",
                                           "cmdLn", "Command11", "cmdea", "cmd10x", "cmdsqrt",
                                           "cmdPercent", "cmdRou", "cmdRand", "Command12"};
    for (const std::string& key : keys) {
        Harness h;
        h.press({"3", key, "5"});
        EXPECT_EQ(h.display(), "5") << key;
    }
}

TEST(ScientificKeys, OneOperandKeysLeaveThePendingOperationAlone) {
    Harness h;
    h.form().engine.accumulator = 2;
    h.form().engine.pendingOp = binaryOpNamed("+");
    h.press({"9", "cmdsqrt"});
    EXPECT_EQ(h.display(), "3");
    const std::vector<std::string> keys = {"Command10", "Command9", "Command8", "cmdCont(3)", "cmdCont(16)",
                                           "cmdLn", "Command11", "cmdea", "cmd10x", "cmdsqrt",
                                           "cmdPercent", "cmdRou", "cmdRand", "Command12"};
    for (const std::string& key : keys) {
        h.press({"9", key});
        EXPECT_EQ(h.form().engine.accumulator, 2) << key;
        EXPECT_EQ(nameOf(h.form().engine.pendingOp), "+") << key;
    }
}

// They chain like the operator keys: 5 + 7 completes to 12 before "ncr" takes it.
TEST(ScientificKeys, TwoOperandKeysCompleteThePendingOperation) {
    for (const auto& [key, op] : {std::pair{"cmdnsqrt", "nsqrt"}, {"cmdncr", "ncr"}, {"cmdnpr", "npr"}}) {
        Harness h;
        h.form().engine.accumulator = 5;
        h.form().engine.pendingOp = binaryOpNamed("+");
        h.press({"7", key});
        EXPECT_EQ(h.form().engine.accumulator, 12) << key;
        EXPECT_EQ(nameOf(h.form().engine.pendingOp), op) << key;
        EXPECT_FALSE(h.form().operandSincePending()) << key;
        EXPECT_EQ(h.display(), "") << key;
    }
}

TEST(ScientificKeys, OverflowGoesToMessageBoxesAndKeepsTheDisplay) {
    struct BoxCase {
        const char* display;
        const char* key;
        const char* message;
        const char* after;
    };
    const char* unsupported = "This software does not support this value\r\nPlease install the latest software";
    const BoxCase cases[] = {
        {"1000", "cmdCont(9)", "6Overflow", "1000"},
        {"1000", "cmdCont(10)", "6Overflow", "1000"},
        {"1E400", "cmdCont(4)", "6Overflow", "1E400"},
        {"1E-320", "cmdCont(1)", "6Overflow", "1E-320"},  // in radians: 1 / sin of a subnormal
        {"171", "Command12", unsupported, ""},
        {"1E400", "Command12", unsupported, ""},
    };
    for (const BoxCase& c : cases) {
        Harness h;
        h.press({"optRad"});
        h.form().display.setText(c.display);
        h.press({c.key});
        ASSERT_EQ(h.platform.boxes.size(), 1u) << c.key << " " << c.display;
        EXPECT_EQ(h.platform.boxes[0].text, c.message);
        EXPECT_EQ(h.platform.boxes[0].icon, MsgIcon::None);
        EXPECT_EQ(h.display(), c.after);
    }
}

TEST(ScientificKeys, UnreadableDisplaysNeverShowInfinityOrNan) {
    const std::vector<std::string> keys = {"Command10", "Command9", "Command8", "cmdLn", "Command11",
                                           "cmdea", "cmd10x", "cmdsqrt", "cmdPercent", "cmdRou", "cmdRand"};
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Command10", "1E400"}, {"Command9", "1E400"}, {"Command8", "1E400"}, {"cmdLn", "1E400"},
        {"Command11", "1E400"}, {"cmdea", "Error :overflow"}, {"cmd10x", "Error :overflow"},
        {"cmdsqrt", "Error :overflow"}, {"cmdPercent", "Error :overflow"}, {"cmdRou", "1E400"},
        {"cmdRand", "1E400"}};
    for (const auto& [key, after] : expected) {
        Harness h;
        h.form().display.setText("1E400");
        h.press({key});
        EXPECT_EQ(h.display(), after) << key;
        EXPECT_TRUE(h.platform.boxes.empty()) << key;
    }
}

TEST(ScientificKeys, RoundAndRandomLeaveNonNumbersAlone) {
    for (const char* text : {"", "Divide by zero error", "FF", "1F", "Invalid: input "}) {
        for (const char* key : {"cmdRou", "cmdRand"}) {
            Harness h;
            h.form().display.setText(text);
            h.press({key});
            EXPECT_EQ(h.display(), text) << key << " on \"" << text << "\"";
        }
    }
}

TEST(RandomKey, FixedStartRepeatOnZeroAndReseedOnNegatives) {
    Harness first, second;
    first.press({"1", "cmdRand"});
    second.press({"1", "cmdRand"});
    const std::string value = first.display();
    EXPECT_EQ(second.display(), value) << "every run starts from the same state";
    first.press({"cmdRand"});
    EXPECT_NE(first.display(), value) << "a positive result in the display gives the next number";
    const std::string next = first.display();
    first.press({"0", "cmdRand"});
    EXPECT_EQ(first.display(), next) << "0 repeats the number produced last";
    first.press({"2", "cmdSgn", "cmdRand"});
    second.press({"2", "cmdSgn", "cmdRand"});
    EXPECT_EQ(first.display(), second.display()) << "a negative argument determines the number";
}

TEST(RandomKey, SevenDigitValuesInTheUnitInterval) {
    Harness h;
    std::set<std::string> seen;
    h.press({"1"});
    for (int i = 0; i < 300; ++i) {
        h.press({"cmdRand"});
        const std::string& text = h.display();
        const double value = std::stod(text);
        EXPECT_GE(value, 0);
        EXPECT_LT(value, 1);
        std::string digits;
        for (char c : text.substr(0, text.find('E')))
            if (c != '.' && (c != '0' || !digits.empty())) digits += c;
        EXPECT_LE(digits.size(), 7u) << text;
        seen.insert(text);
        if (value == 0) h.press({"1"});
    }
    EXPECT_GT(seen.size(), 290u);
}

TEST(RandomGenerator, StaysInTheUnitIntervalOverAFullPeriod) {
    std::uint32_t state = math::kRandomStartState;
    std::set<std::uint32_t> states;
    for (int i = 0; i < (1 << 24); ++i) {
        const float value = math::nextRandom(state, 1);
        ASSERT_GE(value, 0.0f);
        ASSERT_LT(value, 1.0f);
        if (i < 4096) states.insert(state);
    }
    EXPECT_EQ(states.size(), 4096u);
    EXPECT_EQ(state, math::kRandomStartState) << "the sequence has the full 2^24 period";
}

}  // namespace
}  // namespace velmor
