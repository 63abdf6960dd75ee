#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

#include "numeric/elementary.h"
#include "numeric/errors.h"
#include "numeric/numtext.h"
#include "stats/stat_math.h"
#include "support/decimals.h"
#include "support/outcome.h"

namespace velmor {
namespace {

using testing::decimals;
using testing::Num;
using testing::outcome;

struct DeviationCase {
    std::vector<double> values;
    const char* population;
    const char* sample;
};

TEST(StatMath, StandardDeviations) {
    const DeviationCase cases[] = {
        {{2, 4, 4, 4, 5, 5, 7, 9}, "2", "2.1380899352994"},
        {{0.1, 0.1, 0.1}, "0", "0"},
        {{0.7, 0.7, 0.7}, "0", "0"},
        {{1.1, 1.1, 1.1, 1.1, 1.1, 1.1, 1.1}, "0", "0"},
        {{0.3, 0.3, 0.3, 0.3, 0.3, 0.3, 0.3, 0.3, 0.3, 0.3}, "0", "0"},
        {{3}, "0", "#11"},
        {{0}, "0", "#11"},
        {{-1, 1}, "1", "1.4142135623731"},
        {{}, "#6", "#6"},
        // Squares of these are far beyond the range; the results are not.
        {{1e200, -1e200}, "1E+200", "1.4142135623731E+200"},
        {{1e300, 1e300, 1e300}, "0", "0"},
        // Squares far below the smallest double, results above it.
        {{5e-324, -5e-324}, "5E-324", "7.07106781186548E-324"},
        {{1e-200, 5e-200}, "2E-200", "2.82842712474619E-200"},
        // Deviations beyond the range, a population deviation within it, a sample one beyond.
        {{1.7e308, -1.7e308, 1.7e308}, "1.60277537068951E+308", "#6"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(outcome([&] { return populationStdDev(decimals(c.values)); }), c.population) << c.values.size();
        EXPECT_EQ(outcome([&] { return sampleStdDev(decimals(c.values)); }), c.sample) << c.values.size();
    }
}

struct SumCase {
    std::vector<double> values;
    const char* sum;
    const char* squares;
    const char* cubes;
    const char* mean;
};

TEST(StatMath, SumsAndMean) {
    const SumCase cases[] = {
        {{2, 4, 4, 4, 5, 5, 7, 9}, "40", "232", "1522", "5"},
        {{-2, 3}, "1", "13", "19", "0.5"},
        {{0.5}, "0.5", "0.25", "0.125", "0.5"},
        {{}, "0", "0", "0", "#6"},
        {{1e200}, "1E+200", "#6", "#6", "1E+200"},
        // Only a result out of the range fails, not the sum on the way to a mean.
        {{1.7e308, 1.7e308}, "#6", "#6", "#6", "1.7E+308"},
        {{1e308, 1e308}, "#6", "#6", "#6", "1E+308"},
        {{1.7e308, -1.7e308}, "0", "#6", "0", "0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(outcome([&] { return sumOfPowers(decimals(c.values), 1); }), c.sum);
        EXPECT_EQ(outcome([&] { return sumOfPowers(decimals(c.values), 2); }), c.squares);
        EXPECT_EQ(outcome([&] { return sumOfPowers(decimals(c.values), 3); }), c.cubes);
        EXPECT_EQ(outcome([&] { return meanOf(decimals(c.values)); }), c.mean);
    }
}

struct NaturalCase {
    Num n;
    const char* x;
    const char* x2;
    const char* x3;
};

TEST(StatMath, NaturalNumberSums) {
    const NaturalCase cases[] = {
        {10, "55", "385", "3025"},
        {1, "1", "1", "1"},
        {0, "0", "0", "0"},
        {2.5, "4.375", "8.75", "19.140625"},
        {-1, "0", "0", "0"},
        {-3, "3", "-5", "9"},
        {1e100, "5E+199", "3.33333333333333E+299", "#6"},
        {1e200, "#6", "#6", "#6"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(outcome([&] { return naturalSum(1, c.n); }), c.x) << c.n.value;
        EXPECT_EQ(outcome([&] { return naturalSum(2, c.n); }), c.x2) << c.n.value;
        EXPECT_EQ(outcome([&] { return naturalSum(3, c.n); }), c.x3) << c.n.value;
    }
}

struct ComputedListCase {
    const char* what;
    std::vector<Decimal> values;
    const char* sum;
    const char* population;
    const char* sample;
};

std::vector<Decimal> repeated(Decimal v, int count) { return std::vector<Decimal>(static_cast<size_t>(count), v); }

// Computed values carry rounding noise; equal ones still have deviations of 0,
// and a sum that only leaves the noise is 0. Exact values keep every digit.
TEST(StatMath, ComputedValuesFollowTheNoiseRules) {
    const Decimal rootTwenty = math::squareRoot(20), third = Decimal(1) / 3;
    const Decimal sine45 = math::squareRoot(2) / 2, reciprocalRoot2 = 1 / math::squareRoot(2);
    const ComputedListCase cases[] = {
        {"20 sqrt three times", repeated(rootTwenty, 3), "13.4164078649987", "0", "0"},
        {"1/3 six times", repeated(third, 6), "2", "0", "0"},
        {"sqrt 2 / 2 and -1 / sqrt 2", {sine45, -reciprocalRoot2}, "0", "0.707106781186548", "1"},
        {"1E32, 1, -1E32", {Decimal::fromText("1E32"), 1, Decimal::fromText("-1E32")}, "1",
         "8.16496580927726E+31", "1E+32"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(outcome([&] { return sumOfPowers(c.values, 1); }), c.sum) << c.what;
        EXPECT_EQ(outcome([&] { return populationStdDev(c.values); }), c.population) << c.what;
        EXPECT_EQ(outcome([&] { return sampleStdDev(c.values); }), c.sample) << c.what;
    }
    EXPECT_EQ(meanOf(repeated(third, 6)), third);  // to the last digit
}

}  // namespace
}  // namespace velmor
