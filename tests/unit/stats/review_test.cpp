#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "stats/stats_state.h"
#include "support/keys.h"

namespace velmor {
namespace {

using testing::Harness;
using Keys = std::vector<std::string>;

constexpr const char* kCompleted = "Number's completed";

// What each "Next" press showed: the display, or the message box it raised.
std::vector<std::string> reviewPresses(Harness& h, int presses) {
    std::vector<std::string> seen;
    for (int i = 0; i < presses; ++i) {
        const size_t boxes = h.platform.boxes.size();
        h.press({"cmdStdNext"});
        seen.push_back(h.platform.boxes.size() > boxes ? "box " + h.platform.boxes.back().text : h.display());
    }
    return seen;
}

struct ReviewCase {
    const char* name;
    Keys before;
    int presses;
    std::vector<std::string> seen;
};

TEST(StatsReview, OneValuePerPress) {
    const std::string done = std::string("box ") + kCompleted;
    const ReviewCase cases[] = {
        {"three values", {"cmdStat", "1", "cmdData", "2", "cmdData", "3", "cmdData"}, 5,
         {"1", "2", "3", done, "1"}},
        {"second Stat restarts the count",
         {"cmdStat", "1", "cmdData", "2", "cmdData", "3", "cmdData", "cmdStat", "4", "cmdData"}, 3,
         {"1", done, "1"}},
        {"an empty list has nothing to show", {"cmdStat"}, 2, {done, done}},
        {"C empties the list", {"cmdStat", "5", "cmdData", "cmdClear", "cmdStat"}, 2, {done, done}},
        // x^2 moves the shared cursor, but only the list's one value is shown.
        {"only values of the list", {"cmdStat", "3", "cmdop(6)", "cmdData"}, 3, {"9", done, "9"}},
        {"a result entered", {"cmdStat", "1", "2", "/", "4", "=", "cmdData", "5", "cmdData"}, 3, {"3", "5", done}},
        {"C during a review", {"cmdStat", "1", "cmdData", "cmdStdNext", "cmdClear", "cmdStat"}, 1, {done}},
    };
    for (const auto& c : cases) {
        Harness h;
        h.press(c.before);
        EXPECT_EQ(reviewPresses(h, c.presses), c.seen) << c.name;
    }
}

TEST(StatsReview, SharedCursorDuringAReview) {
    const std::string done = std::string("box ") + kCompleted;
    Harness h;
    h.press({"cmdStat", "1", "cmdData", "2", "cmdData", "3", "cmdData", "4", "cmdData"});
    EXPECT_EQ(reviewPresses(h, 1), std::vector<std::string>{"1"});
    h.press({"9", "cmdData"});  // advances the cursor: slot 1 is skipped
    EXPECT_EQ(reviewPresses(h, 1), std::vector<std::string>{"3"});
    h.press({"CE"});  // back to slot 0 of the same review
    EXPECT_EQ(reviewPresses(h, 1), std::vector<std::string>{"1"});
    h.press({"cmdStat"});  // so does "Stat"
    EXPECT_EQ(reviewPresses(h, 5), (std::vector<std::string>{"1", "2", "3", "4", done}));
    EXPECT_EQ(h.form().engine.reviewMode, 0);
}

TEST(StatsReview, ClearDoesNotEndARunningReview) {
    Harness h;
    h.press({"cmdStat", "1", "cmdData", "2", "cmdData", "cmdStdNext", "cmdClear"});
    EXPECT_FALSE(h.form().control(Ctl::StatNext).enabled);
    EXPECT_EQ(h.form().engine.reviewMode, 1);
    EXPECT_EQ(h.form().engine.reviewCount, 2);
    EXPECT_EQ(h.form().engine.nextIndex, 0);
}

TEST(StatsReview, CursorPastTheLastSlotEndsTheReview) {
    Harness h;
    h.enterStatistics(201);
    h.form().engine.nextIndex = 250;  // as many operator keys would leave it
    const auto seen = reviewPresses(h, 202);
    EXPECT_EQ(seen[0], "1");
    EXPECT_EQ(seen[200], "201");
    EXPECT_EQ(seen[201], std::string("box ") + kCompleted);
    EXPECT_EQ(h.form().engine.reviewMode, 0);

    h.press({"cmdStdNext"});  // a new review
    h.form().engine.nextIndex = 1e6;
    EXPECT_EQ(reviewPresses(h, 1), std::vector<std::string>{std::string("box ") + kCompleted});
}

TEST(StatsReview, EnableGroupFollowsStatAndClear) {
    const Ctl group[] = {Ctl::StatSum, Ctl::StatSumSquares, Ctl::StatSumCubes, Ctl::StatSampleDeviation, Ctl::StatClear,
                         Ctl::StatAdd,   Ctl::StatCount,    Ctl::StatMean,    Ctl::StatPopulationDeviation, Ctl::StatNext};
    Harness h;
    for (Ctl c : group) EXPECT_FALSE(h.form().control(c).enabled) << qualifiedName(c);
    h.press({"cmdStat"});
    for (Ctl c : group) EXPECT_TRUE(h.form().control(c).enabled) << qualifiedName(c);
    h.press({"cmdClear"});
    for (Ctl c : group) EXPECT_FALSE(h.form().control(c).enabled) << qualifiedName(c);
    for (Ctl c : {Ctl::StatStart, integerSumKey(0), integerSumKey(1), integerSumKey(2)})
        EXPECT_TRUE(h.form().control(c).enabled) << qualifiedName(c);
    h.press({"cmdData", "cmdstdN"});  // disabled keys do nothing
    EXPECT_EQ(statsState(h.form()).statCount, 0);
    EXPECT_EQ(h.display(), "");
}

TEST(StatsReview, ValueWithoutNumberTextDoesNotStopTheReview) {
    Harness h;
    h.press({"cmdStat"});
    statsState(h.form()).statData[1] = Decimal::fromText("1E400");
    statsState(h.form()).statCount = 3;
    h.form().engine.nextIndex = 3;
    EXPECT_EQ(reviewPresses(h, 3), (std::vector<std::string>{"0", "Error :overflow", "0"}));
}

}  // namespace
}  // namespace velmor
