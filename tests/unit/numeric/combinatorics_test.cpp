#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <optional>

#include "numeric/combinatorics.h"
#include "numeric/errors.h"
#include "numeric/numtext.h"
#include "support/decimals.h"
#include "support/outcome.h"

namespace velmor::math {
namespace {

using testing::Num;
using testing::outcome;

struct UnaryCase {
    Num n;
    const char* expected;
};

TEST(Factorial, WholeProductsGammaForFractionsZeroForNegatives) {
    const UnaryCase cases[] = {
        {0, "1"},
        {1, "1"},
        {5, "120"},
        {18, "6.402373705728E+15"},
        {20, "2.43290200817664E+18"},
        {170, "7.257415615308E+306"},
        {171, "#6"},
        {1e10, "#6"},
        {3.5, "11.6317283965674"},
        {0.5, "0.886226925452758"},
        {170.5, "9.4833675668248E+307"},
        {171.5, "#6"},
        {-1, "0"},
        {-0.5, "0"},
    };
    for (const UnaryCase& c : cases) EXPECT_EQ(outcome([&] { return factorial(c.n); }), c.expected) << c.n.value;
    // 22! has 22 digits: the product is exact.
    EXPECT_EQ(factorial(22), Decimal::fromText("1124000727777607680000"));
}

struct BinaryCase {
    Num a, b;
    const char* expected;
};

TEST(Combinations, ExactForWholeArgumentsWithoutOverflowingFactorials) {
    const BinaryCase cases[] = {
        {7, 3, "35"},
        {200, 2, "19900"},
        {1000, 3, "166167000"},
        {10, 0, "1"},
        {10, 10, "1"},
        {0, 0, "1"},
        {60, 30, "1.18264581564861E+17"},
        {1020, 510, "2.80626776829962E+305"},
        {1030, 515, "#6"},
                {1e9, 5e8, "#6"},       // and quickly so
        {5.5, 2, "12.375"},
        {5.5, 3.5, "12.375"},   // symmetric in r and n - r
        {3, 4, "#11"},          // r > n: n! / 0
        {3, -1, "#11"},
        {-3, 2, "#6"},          // 0 / 0
        {-3, -5, "#6"},
        // Huge n, fractional r: Gamma ratios to every shown digit.
        {1e22, 0.5, "112837916709.551"},
        {1e30, 1.5, "7.52252778063675E+44"},
        {3e5, 65.25, "1.01983188796605E+266"},
    };
    for (const BinaryCase& c : cases)
        EXPECT_EQ(outcome([&] { return combinations(c.a, c.b); }), c.expected) << c.a.value << " ncr " << c.b.value;
    EXPECT_EQ(combinations(56, 28), Decimal::fromText("7648690600760440"));  // exact
}

TEST(Permutations, FallingProductsAndTheFactorialQuotientErrorRows) {
    const BinaryCase cases[] = {
        {7, 3, "210"},
        {200, 2, "39800"},
        {170, 170, "7.257415615308E+306"},
        {171, 171, "#6"},
        {5, -2, "0.0238095238095238"},   // 5! / 7!
        {10.5, 3.5, "2360.9966436433"},
        {3, 4, "#11"},
        {-3, 2, "#6"},   // 0 / 0
        {-2, -5, "0"},   // 0 / 3!
        {-5, -5, "0"},   // 0 / 0!
        {1e300, 2, "#6"},
        {5, -3000, "0"},
        {1e20, 0.5, "10000000000"},
        {5e17, -2.5, "5.65685424949238E-45"},
        {1e12, 20.5, "9.99999999800125E+245"},
        {1e4, 70.5, "7.82265449482502E+281"},   // more terms than a product takes
    };
    for (const BinaryCase& c : cases)
        EXPECT_EQ(outcome([&] { return permutations(c.a, c.b); }), c.expected) << c.a.value << " npr " << c.b.value;
}

TEST(NthRoot, RealOddRootsOfNegativesAndTheFailures) {
    const BinaryCase cases[] = {
        {27, 3, "3"},
        {-8, 3, "-2"},
        {-32, 5, "-2"},
        {-8, -3, "-0.5"},
        {16, 4, "2"},
        {2, 0.5, "4"},
        {0, 3, "0"},
        {-8, 2, "#5"},
        {-8, 2.5, "#5"},
        {-8, 1e300, "#5"},   // so large a degree is even
        {5, 0, "#11"},
        {0, -2, "#11"},
        {1e300, 0.1, "#6"},
    };
    for (const BinaryCase& c : cases)
        EXPECT_EQ(outcome([&] { return nthRoot(c.a, c.b); }), c.expected) << c.a.value << " root " << c.b.value;
}

}  // namespace
}  // namespace velmor::math
