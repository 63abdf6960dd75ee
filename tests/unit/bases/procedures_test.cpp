#include <gtest/gtest.h>

#include "bases/procedures.h"
#include "engine/form.h"
#include "support/fake_platform.h"

namespace velmor {
namespace {

struct Procedures : ::testing::Test {
    testing::FakePlatform platform;
    Form form{platform};
};

TEST_F(Procedures, EnablesSetsDigitsTwoToNineAndTheLetters) {
    for (bool digits : {false, true}) {
        for (bool letters : {false, true}) {
            form.control(digitKey(0)).enabled = false;
            Enables(form, digits, letters);
            EXPECT_FALSE(form.control(digitKey(0)).enabled);  // 0 and 1 are never touched
            EXPECT_TRUE(form.control(digitKey(1)).enabled);
            for (int d = 2; d <= 9; ++d) EXPECT_EQ(form.control(digitKey(d)).enabled, digits) << d;
            for (int k = 0; k < 6; ++k) EXPECT_EQ(form.control(hexKey(k)).enabled, letters) << k;
        }
    }
}

}  // namespace
}  // namespace velmor
