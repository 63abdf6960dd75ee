#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "stats/data_list.h"
#include "support/keys.h"

namespace velmor {
namespace {

using testing::Harness;
using Keys = std::vector<std::string>;

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
    h.enterStatistics(201);
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
