// Exactness and the noise rules: exact values keep every digit, inexact values
// within their noise of a special point are that point, on both sides of the
// border of numeric/decimal.h.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "numeric/angles.h"
#include "numeric/arithmetic.h"
#include "numeric/combinatorics.h"
#include "numeric/elementary.h"
#include "numeric/extended_math.h"
#include "numeric/noise.h"
#include "support/outcome.h"

namespace velmor {
namespace {

using testing::outcome;

Decimal exact(const char* text) { return Decimal::fromText(text); }
Decimal inexact(const char* text) { return Decimal::fromText(text).markedInexact(); }

struct ExactnessCase {
    const char* what;
    std::function<Decimal()> value;
    bool exact;
};

TEST(Exactness, RoundingOrAnInexactOperandMakesAValueInexact) {
    const ExactnessCase cases[] = {
        {"whole number", [] { return Decimal(7); }, true},
        {"text of 34 digits", [] { return exact("0.1234567890123456789012345678901234"); }, true},
        {"text of 35 digits", [] { return exact("0.12345678901234567890123456789012345"); }, false},
        {"1 / 4", [] { return Decimal(1) / 4; }, true},
        {"1 / 3", [] { return Decimal(1) / 3; }, false},
        {"1E34 + 1 (35 digits)", [] { return exact("1E34") + 1; }, false},
        {"0.1 + 0.2", [] { return exact("0.1") + exact("0.2"); }, true},
        {"sqrt 4", [] { return math::squareRoot(4); }, true},
        {"sqrt 2", [] { return math::squareRoot(2); }, false},
        {"1 / 3 * 0", [] { return Decimal(1) / 3 * 0; }, false},
        {"-(1 / 3), rounded", [] { return roundHalfEven(-(Decimal(1) / 3)); }, false},
        {"pi", [] { return math::pi(); }, false},
        {"27 root 3", [] { return math::nthRoot(27, 3); }, true},
    };
    for (const ExactnessCase& c : cases) EXPECT_EQ(c.value().isExact(), c.exact) << c.what;
}

// Ten units of the value's own 34th digit are noise; eleven are not. Exact values
// are never moved.
struct BorderCase {
    Decimal value;
    Decimal snapped;
};

TEST(NoiseBorder, InexactValuesWithinTenUnitsAreTheWholeNumber) {
    const BorderCase cases[] = {
        {inexact("0.9999999999999999999999999999999990"), 1},
        {inexact("0.9999999999999999999999999999999989"), exact("0.9999999999999999999999999999999989")},
        {inexact("1.000000000000000000000000000000010"), 1},
        {inexact("1.000000000000000000000000000000011"), exact("1.000000000000000000000000000000011")},
        {inexact("-2.999999999999999999999999999999990"), -3},
        {inexact("-2.999999999999999999999999999999989"), exact("-2.999999999999999999999999999999989")},
        {inexact("89.99999999999999999999999999999990"), 90},
        {inexact("89.99999999999999999999999999999989"), exact("89.99999999999999999999999999999989")},
        {exact("0.9999999999999999999999999999999999"), exact("0.9999999999999999999999999999999999")},
        {inexact("1E-40"), exact("1E-40")},  // far from 0 in its own digits
    };
    for (const BorderCase& c : cases) EXPECT_EQ(snappedToWhole(c.value), c.snapped) << c.value;
}

struct SumCase {
    Decimal a, b;
    const char* sum;
};

// A sum is 0 when it is no larger than the noise its operands carry together.
TEST(NoiseBorder, SumsThatOnlyLeaveNoiseAreZero) {
    const Decimal oneInexact = Decimal(1).markedInexact();
    const SumCase cases[] = {
        {oneInexact, exact("-0.99999999999999999999999999999999"), "0"},        // 10 units of 1
        {oneInexact, exact("-0.999999999999999999999999999999989"), "1.1E-32"},  // 11 units
        {1, exact("-0.99999999999999999999999999999999"), "1E-32"},              // exact: kept
        {exact("1E32") + 1, exact("-1E32"), "1"},
        {exact("1E-32") + 1, -1, "1E-32"},
        {exact("123456789") + exact("1E-23"), exact("-123456789"), "1E-23"},
    };
    for (const SumCase& c : cases) EXPECT_EQ(outcome([&] { return checkedSum(c.a, c.b); }), c.sum) << c.a << " + " << c.b;
}

struct RoundCase {
    Decimal value;
    const char* rounded;
};

// Exact halves go to the even neighbour; an inexact value within its noise of a
// half rounds as that half, eleven units away it rounds as what it is.
TEST(NoiseBorder, RoundingOfHalves) {
    const RoundCase cases[] = {
        {exact("2.5"), "2"},
        {exact("3.5"), "4"},
        {exact("3.499999999999999999999999999999999"), "3"},
        {inexact("3.499999999999999999999999999999990"), "4"},
        {inexact("3.499999999999999999999999999999989"), "3"},
        {inexact("4.500000000000000000000000000000010"), "4"},
        {inexact("4.500000000000000000000000000000011"), "5"},
        {inexact("-2.499999999999999999999999999999995"), "-2"},
    };
    for (const RoundCase& c : cases) EXPECT_EQ(numberText(roundToWhole(c.value)), c.rounded) << c.value;
}

struct DecisionCase {
    const char* what;
    std::function<Decimal()> compute;
    const char* expected;
};

void expectDecisions(const std::vector<DecisionCase>& cases) {
    for (const DecisionCase& c : cases) EXPECT_EQ(outcome(c.compute), c.expected) << c.what;
}

// The same decisions for exact arguments go by their every digit.
TEST(NoiseDecisions, ExactArgumentsNextToSpecialPoints) {
    using math::extendedFunction;
    const Decimal nines = exact("0.9999999999999999999999999999999999");
    expectDecisions({
        {"ln of 34 nines", [&] { return math::naturalLog(nines); }, "-1E-34"},
        {"arccos of 34 nines", [&] { return extendedFunction(4, nines, AngleUnit::Radians); }, "1.4142135623731E-17"},
        {"arcosh of 34 nines", [&] { return extendedFunction(16, nines, AngleUnit::Radians); }, "#5"},
        {"arcsin 1E-30 in degrees", [] { return extendedFunction(3, exact("1E-30"), AngleUnit::Degrees); },
         "5.72957795130823E-29"},
        {"arctan 1E-30 in grads", [] { return extendedFunction(5, exact("1E-30"), AngleUnit::Grads); },
         "6.36619772367581E-29"},
        {"34 nines ncr 1: r > n", [&] { return math::combinations(nines, 1); }, "#11"},
    });
}

// Sines within the noise of the angle are 0; beyond it, and for exact angles, they
// keep their digits (the key chains with pi are in tests/reference/chains.tsv).
TEST(NoiseDecisions, SinesNextToPi) {
    const Decimal pi = math::pi();
    const auto radians = [](Decimal angle) { return math::circleValues(angle, AngleUnit::Radians); };
    expectDecisions({
        // Nine units of pi's last digit off pi is pi; twenty units off is an angle of its own.
        {"sin (pi + 9E-33)", [&] { return radians(pi + exact("9E-33")).sin; }, "0"},
        {"sin (pi + 2E-32)", [&] { return radians(pi + exact("2E-32")).sin; }, "-2.01158028306006E-32"},
        {"sin of pi typed in 34 digits", [&] { return radians(exact("3.141592653589793238462643383279503")).sin; },
         "-1.15802830600625E-34"},
    });
    EXPECT_TRUE(math::tangentHasPole(pi / 2, AngleUnit::Radians));
    EXPECT_FALSE(math::tangentHasPole(exact("1.570796326794896619231321691639752"), AngleUnit::Radians));
}

}  // namespace
}  // namespace velmor
