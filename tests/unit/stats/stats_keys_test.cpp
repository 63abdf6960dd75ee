#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "stats/data_list.h"
#include "support/keys.h"

namespace velmor {
namespace {

using testing::Harness;
using Keys = std::vector<std::string>;

// Enters each value with its digits and "Dat" after "Stat".
Keys withValues(const Keys& values, const Keys& then) {
    Keys keys = {"cmdStat"};
    for (const auto& v : values) {
        for (char c : v) keys.push_back(c == '.' ? "." : std::string(1, c));
        keys.push_back("cmdData");
    }
    keys.insert(keys.end(), then.begin(), then.end());
    return keys;
}

struct DisplayCase {
    Keys keys;
    const char* display;
};

TEST(StatsKeys, ResultsInTheDisplay) {
    const Keys data = {"2", "4", "4", "4", "5", "5", "7", "9"};
    const DisplayCase cases[] = {
        {withValues(data, {"cmdstdN"}), "8"},
        {withValues(data, {"cmdSigmax"}), "40"},
        {withValues(data, {"cmdSigmaX2"}), "232"},
        {withValues(data, {"cmdSigmax3"}), "1522"},
        {withValues(data, {"cmdXbar"}), "5"},
        {withValues(data, {"cmdSigmas"}), "2"},
        {withValues(data, {"cmdStdDev"}), "2.1380899352994"},
        {withValues({"0.1", "0.1", "0.1"}, {"cmdSigmas"}), "0"},
        {withValues({"0.1", "0.1", "0.1"}, {"cmdStdDev"}), "0"},
        {withValues({"3"}, {"cmdXbar"}), "3"},
        {withValues({"3"}, {"cmdSigmas"}), "0"},
        {withValues({"3"}, {"cmdStdDev"}), "Error"},
        {withValues({"0"}, {"cmdStdDev"}), "Error"},
        {{"cmdStat", "cmdstdN"}, "0"},
        {{"7", "cmdStat", "cmdSigmax"}, ""},
        {{"7", "cmdStat", "cmdSigmaX2"}, ""},
        {{"7", "cmdStat", "cmdSigmax3"}, ""},
        // A result starts a new number on the next digit.
        {withValues(data, {"cmdstdN", "3"}), "3"},
        {withValues(data, {"cmdXbar", "3"}), "3"},
        {withValues({"3"}, {"cmdStdDev", "1"}), "1"},
        // "Dat" keeps the value on show; the next digit replaces it.
        {withValues({"12"}, {}), "12"},
        {withValues({"12"}, {"6"}), "6"},
        // "C" empties the list; the display stays.
        {withValues(data, {"cmdClear", "cmdStat", "cmdstdN"}), "0"},
        {withValues(data, {"cmdClear"}), "9"},
        {{"1", "0", "cmdsigx(0)"}, "55"},
        {{"1", "0", "cmdsigx(1)"}, "385"},
        {{"1", "0", "cmdsigx(2)"}, "3025"},
        {{"2", ".", "5", "cmdsigx(0)"}, "4.375"},
        {{"1", "0", "cmdsigx(0)", "4"}, "4"},
    };
    for (const auto& c : cases) {
        Harness h;
        h.press(c.keys);
        EXPECT_EQ(h.display(), c.display) << ::testing::PrintToString(c.keys);
    }
}

TEST(StatsKeys, DatReadsTheLeadingNumber) {
    const std::pair<const char*, double> cases[] = {{"12abc", 12}, {"", 0}, {"-4.5E2x", -450}, {"abc", 0}};
    for (const auto& [text, value] : cases) {
        Harness h;
        h.press({"cmdStat"});
        h.calc.displayEdited(text);
        h.press({"cmdData"});
        EXPECT_EQ(h.display(), text);
        EXPECT_EQ(h.form().stats.statData[0], value) << text;
        EXPECT_EQ(h.form().stats.statCount, 1);
    }
}

struct BoxCase {
    Keys keys;
    const char* text;
    MsgIcon icon;
    const char* display;  // unchanged by the box
};

TEST(StatsKeys, MessageBoxes) {
    const BoxCase cases[] = {
        {{"7", "cmdStat", "cmdXbar"}, "Enter Some Data", MsgIcon::Information, "7"},
        {{"7", "cmdStat", "cmdSigmas"}, "Enter Some Data", MsgIcon::Information, "7"},
        {{"7", "cmdStat", "cmdStdDev"}, "Please enter some values", MsgIcon::Information, "7"},
        {withValues({"1", "2"}, {"cmdStdNext", "cmdStdNext", "cmdStdNext"}), "Number's completed",
         MsgIcon::Information, "2"},
    };
    for (const auto& c : cases) {
        Harness h;
        h.press(c.keys);
        ASSERT_EQ(h.platform.boxes.size(), 1u) << c.text;
        EXPECT_EQ(h.platform.boxes[0].text, c.text);
        EXPECT_EQ(h.platform.boxes[0].icon, c.icon) << c.text;
        EXPECT_EQ(h.display(), c.display) << c.text;
    }
}

TEST(StatsKeys, OverflowShowsErrorText) {
    struct Case {
        const char* text;
        Keys then;
    };
    const Case cases[] = {
        {"1E200", {"cmdSigmaX2"}}, {"1E200", {"cmdSigmax3"}}, {"1.7E308", {"cmdData", "cmdSigmax"}},
        {"1.7E308", {"cmdData", "cmdXbar"}}, {"1.7E308", {"cmdData", "cmdSigmas"}},
        {"1.7E308", {"cmdData", "cmdStdDev"}},
    };
    for (const auto& c : cases) {
        Harness h;
        h.press({"cmdStat"});
        h.calc.displayEdited(c.text);
        h.press({"cmdData"});
        h.press(c.then);
        EXPECT_EQ(h.display(), "Error :overflow") << ::testing::PrintToString(c.then);
        EXPECT_TRUE(h.platform.boxes.empty());
    }
    for (const char* n : {"1E200", "1E400"}) {
        Harness h;
        h.calc.displayEdited(n);
        h.press({"cmdsigx(0)"});
        EXPECT_EQ(h.display(), "Error :overflow") << n;
    }
}

TEST(StatsKeys, DatRefusesAValueBeyondTheRange) {
    Harness h;
    h.press({"cmdStat"});
    h.calc.displayEdited("1E400");
    h.press({"cmdData"});
    ASSERT_EQ(h.platform.boxes.size(), 1u);
    EXPECT_EQ(h.platform.boxes[0].text, "6   Overflow");
    EXPECT_EQ(h.platform.boxes[0].icon, MsgIcon::None);
    EXPECT_EQ(h.form().stats.statCount, 0);
    EXPECT_EQ(h.form().engine.nextIndex, 0);
}

TEST(StatsKeys, FullListKeepsTheFirstValues) {
    Harness h;
    h.press({"cmdStat"});
    for (int i = 1; i <= 201; ++i) {
        h.calc.displayEdited(std::to_string(i));
        h.press({"cmdData"});
    }
    EXPECT_TRUE(h.platform.boxes.empty());
    h.press({"9", "cmdData"});
    ASSERT_EQ(h.platform.boxes.size(), 1u);
    EXPECT_EQ(h.platform.boxes[0].text, kListFullMessage);
    EXPECT_EQ(h.platform.boxes[0].icon, MsgIcon::Information);
    EXPECT_EQ(h.form().engine.nextIndex, 201);
    h.press({"cmdstdN"});
    EXPECT_EQ(h.display(), "201");
    h.press({"cmdSigmax"});
    EXPECT_EQ(h.display(), "20301");  // 1 + ... + 201, the refused 9 not among them
}

}  // namespace
}  // namespace velmor
