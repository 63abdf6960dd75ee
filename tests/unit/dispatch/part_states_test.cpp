// The calculator gives each part its own state: present from the start, one
// per calculator, and changed through the owning part's functions.
#include <gtest/gtest.h>

#include "help/help_state.h"
#include "stats/stats_state.h"
#include "support/keys.h"

namespace velmor::testing {
namespace {

TEST(PartStates, EveryPartHasItsStateFromTheStart) {
    Harness h;
    for (int p = 0; p < static_cast<int>(Part::Count); ++p) EXPECT_NE(h.form().parts[p], nullptr) << "part " << p;
}

TEST(PartStates, EachCalculatorKeepsItsOwn) {
    Harness first, second;
    first.enterStatistics(3);
    EXPECT_EQ(statsState(first.form()).statCount, 3);
    EXPECT_EQ(statsState(second.form()).statCount, 0);
}

TEST(PartStates, HelpTopicsStartFromTheTableAndChangeOnlyTheControlGiven) {
    Harness h;
    for (const ControlRow& row : controlTable()) EXPECT_EQ(helpTopic(h.form(), row.id), row.helpId) << qualifiedName(row.id);
    const int otherTopic = tableRow(Ctl::Radians).helpId + 1000;
    setHelpTopic(h.form(), Ctl::Radians, otherTopic);
    EXPECT_EQ(helpTopic(h.form(), Ctl::Radians), otherTopic);
    EXPECT_EQ(helpTopic(h.form(), Ctl::Grads), tableRow(Ctl::Grads).helpId);
}

}  // namespace
}  // namespace velmor::testing
