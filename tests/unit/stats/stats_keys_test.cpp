#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "stats/data_list.h"
#include "stats/stats_state.h"
#include "support/keys.h"

namespace velmor {
namespace {

using testing::Harness;
using Keys = std::vector<std::string>;

TEST(StatsKeys, DatReadsTheLeadingNumber) {
    const std::pair<const char*, int> cases[] = {{"12abc", 12}, {"", 0}, {"-4.5E2x", -450}, {"abc", 0}};
    for (const auto& [text, value] : cases) {
        Harness h;
        h.press({"cmdStat"});
        h.calc.displayEdited(text);
        h.press({"cmdData"});
        EXPECT_EQ(h.display(), text);
        EXPECT_EQ(statsState(h.form()).statData[0], value) << text;
        EXPECT_EQ(statsState(h.form()).statCount, 1);
    }
}

// Only a result out of the range is an overflow: sums, squares and products
// on the way to a result in the range are not.
TEST(StatsKeys, OverflowOnlyWhenTheResultIsOutOfTheRange) {
    struct Case {
        const char* text;
        Keys then;
        const char* display;
    };
    const Case cases[] = {
        {"1E200", {"cmdSigmaX2"}, "Error :overflow"},
        {"1E200", {"cmdSigmax3"}, "Error :overflow"},
        {"1.7E308", {"cmdData", "cmdSigmax"}, "Error :overflow"},
        {"1.7E308", {"cmdData", "cmdXbar"}, "1.7E+308"},
        {"1E308", {"cmdData", "cmdXbar"}, "1E+308"},
        {"1.7E308", {"cmdData", "cmdSigmas"}, "0"},
        {"1.7E308", {"cmdData", "cmdStdDev"}, "0"},
        {"1E200", {"cmdSigmas"}, "0"},
        {"1.79769313486232E+308", {"cmdSigmax"}, "1.79769313486232E+308"},
    };
    for (const auto& c : cases) {
        Harness h;
        h.press({"cmdStat"});
        h.calc.displayEdited(c.text);
        h.press({"cmdData"});
        h.press(c.then);
        EXPECT_EQ(h.display(), c.display) << c.text << " " << ::testing::PrintToString(c.then);
        EXPECT_TRUE(h.platform.boxes.empty());
    }
    const struct {
        const char* n;
        const char* key;
        const char* display;
    } naturalSums[] = {
        {"1E200", "cmdsigx(0)", "Error :overflow"},
        {"1E400", "cmdsigx(0)", "Error :overflow"},
        {"1.5E154", "cmdsigx(0)", "1.125E+308"},
        {"6E102", "cmdsigx(1)", "7.2E+307"},
        {"2E77", "cmdsigx(2)", "Error :overflow"},
        {"1.5E77", "cmdsigx(2)", "1.265625E+308"},
    };
    for (const auto& c : naturalSums) {
        Harness h;
        h.calc.displayEdited(c.n);
        h.press({c.key});
        EXPECT_EQ(h.display(), c.display) << c.n << " " << c.key;
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
    EXPECT_EQ(statsState(h.form()).statCount, 0);
    EXPECT_EQ(h.form().engine.nextIndex, 0);
}

TEST(StatsKeys, FullListKeepsTheFirstValues) {
    Harness h;
    h.enterStatistics(201);
    EXPECT_TRUE(h.platform.boxes.empty());
    h.press({"9", "cmdData"});
    ASSERT_EQ(h.platform.boxes.size(), 1u);
    EXPECT_EQ(h.platform.boxes[0].text, "The list is full: it holds 201 values");
    EXPECT_EQ(h.platform.boxes[0].icon, MsgIcon::Information);
    EXPECT_EQ(h.form().engine.nextIndex, 201);
    h.press({"cmdstdN"});
    EXPECT_EQ(h.display(), "201");
    h.press({"cmdSigmax"});
    EXPECT_EQ(h.display(), "20301");  // 1 + ... + 201, the refused 9 not among them
}

}  // namespace
}  // namespace velmor
