#include <gtest/gtest.h>

#include "support/keys.h"

namespace velmor {
namespace {

using testing::Harness;

TEST(BaseChange, FailedChangePutsTheOldBaseBack) {
    Harness h;
    h.press({"Option1(0)"});
    h.calc.displayEdited("1G");
    h.press({"Option1(1)"});
    ASSERT_EQ(h.platform.boxes.size(), 1u);
    EXPECT_EQ(h.platform.boxes[0].text, "13Type mismatch");
    EXPECT_TRUE(h.form().isSelected(option1(kHex)));
    EXPECT_FALSE(h.form().isSelected(option1(kDec)));
}

}  // namespace
}  // namespace velmor
