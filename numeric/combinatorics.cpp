#include "numeric/combinatorics.h"

#include <algorithm>

#include "numeric/arithmetic.h"
#include "numeric/elementary.h"
#include "numeric/errors.h"
#include "numeric/gamma_ratio.h"
#include "numeric/noise.h"
#include "numeric/range.h"

namespace velmor::math {
namespace {

// The largest whole n whose factorial is within the range.
constexpr int kLargestFactorial = 170;
// Below this argument Gamma is far inside the decimal range, so a quotient of
// two Gamma values loses nothing; above it the quotient is taken from its logarithm.
constexpr int kDirectGammaLimit = 1500;
// Products of more terms than this are taken from log-Gamma instead, which
// costs the same for any size. No whole result of so many terms fits in 34
// digits (C(122, 61) has 36, 41! has 50), so no exact value is given up.
constexpr int kLongestProduct = 60;

// Running products stop past this bound: their remaining factors are at least
// Gamma(1 + f) > 0.88, which never brings them back into the range.
const Decimal& productLimit() {
    static const Decimal value = largestShown() * 2;
    return value;
}

// n (n - 1) ... (n - terms + 1) for a whole number of terms; every factor is at
// least 1 where it is used, so the product can stop once it is out of range.
Decimal fallingProduct(Decimal n, Decimal terms) {
    Decimal product = 1;
    for (Decimal i = 0; i < terms; i += 1) {
        product *= n - i;
        if (product > productLimit()) fail(ErrCode::Overflow);
    }
    return product;
}

// (top + 1)/(bottom + 1) ... (top + k)/(bottom + k) with top >= bottom >= 0. For
// C(n, k) = product(n - k, 0, k) each partial product is again a binomial
// coefficient, so whole arguments stay exact while they fit 34 digits.
Decimal ratioProduct(Decimal top, Decimal bottom, Decimal k) {
    Decimal product = 1;
    for (Decimal i = 1; i <= k; i += 1) {
        product = product * (top + i) / (bottom + i);
        if (product > productLimit()) fail(ErrCode::Overflow);
    }
    return product;
}

// Gamma(y + 1) / Gamma(y + 1 - f) for 0 <= f < 1 and y >= f.
Decimal gammaShiftRatio(Decimal y, Decimal f) {
    if (f.isZero()) return 1;
    if (y < kDirectGammaLimit) return gamma(y + 1) / gamma(y + 1 - f);
    return exponential(logGammaRatio(y + 1, f));
}

// Gamma(x + 1) / Gamma(x - t + 1) for 0 <= t <= x: a falling product over the
// whole part of t and a Gamma quotient for its fraction.
Decimal fallingGamma(Decimal x, Decimal t) {
    const Decimal k = floor(t);
    if (k > kLongestProduct) return exponential(logGammaRatio(x + 1, t));
    return fallingProduct(x, k) * gammaShiftRatio(x - k, t - k);
}

// Roots that are exact decimals (27 to the 1/3, 0.001 to the 1/3) come out
// exact: the library's power is right to a unit of the 34th digit, so a root
// rounded to 25 digits whose power gives the radicand back is the root, and
// exact when the radicand and the degree are.
Decimal exactRootOr(Decimal root, Decimal radicand, Decimal degree) {
    if (!degree.isWhole() || abs(degree) > 64 || root.isZero()) return root;
    const int digitsToKeep = 25;
    const int shift = digitsToKeep - 1 - decimalExponent(root);
    const Decimal candidate = scaleByPowerOfTen(roundHalfEven(scaleByPowerOfTen(root, shift)), -shift);
    try {
        const Decimal digitsAsTyped = Decimal::fromBits(candidate.bits());  // exact
        const Decimal back = checkedPower(digitsAsTyped, degree);
        if (back == radicand) return back.isExact() && radicand.isExact() && degree.isExact() ? digitsAsTyped : candidate;
    } catch (const CalcError&) {
    }
    return root;
}

}  // namespace

// Whether n and r are whole is decided on the digits that carry meaning: an
// inexact argument within its noise of a whole number is that number (3 sqrt
// x^2 npr 3 is 6, 1 / 3 * 3 ncr 1 is 1).
Decimal factorial(Decimal rawN) {
    const Decimal n = snappedToWhole(rawN);
    if (n.isZero()) return 1;
    if (n.isNegative()) return Decimal();
    if (n.isWhole()) {
        if (n > kLargestFactorial) fail(ErrCode::Overflow);
        // Up to 30! the product is exact (32 digits); beyond, Gamma costs less.
        return inRange(n > 30 ? gamma(n + 1) : fallingProduct(n, n));
    }
    return inRange(gamma(n + 1));
}

// The error rows follow the factorial quotient n! / (r! (n - r)!), where the
// factorial of a negative argument is 0: a zero numerator over a zero
// denominator overflows, a non-zero one divides by zero.
Decimal combinations(Decimal rawN, Decimal rawR) {
    const Decimal n = snappedToWhole(rawN), r = snappedToWhole(rawR);
    if (n.isNegative() && !n.isZero()) fail(ErrCode::Overflow);
    if ((r.isNegative() && !r.isZero()) || r > n) fail(ErrCode::DivByZero);
    // C(n, s) with s the smaller of r and n - r: s = k + f, k whole, 0 <= f < 1;
    // Gamma(s + 1) = Gamma(f + 1) (f + 1) ... (f + k).
    const Decimal s = std::min(r, n - r);
    const Decimal k = floor(s), f = s - k;
    if (k > kLongestProduct)
        return inRange(exponential(logGammaRatio(n + 1, s) - logGamma(s + 1)));
    const Decimal product = ratioProduct(n - k, f, k);
    if (f.isZero()) return inRange(product);
    return inRange(product * gammaShiftRatio(n - k, f) / gamma(1 + f));
}

// n! / (n - r)!, with the same error rows as the quotient of factorials.
Decimal permutations(Decimal rawN, Decimal rawR) {
    const Decimal n = snappedToWhole(rawN), r = snappedToWhole(rawR);
    const Decimal rest = n - r;
    const bool restNegative = rest.isNegative() && !rest.isZero();
    if (n.isNegative() && !n.isZero()) {
        if (restNegative) fail(ErrCode::Overflow);
        return Decimal();
    }
    if (restNegative) fail(ErrCode::DivByZero);
    if (!r.isNegative() || r.isZero()) return inRange(fallingGamma(n, r));
    // n! / (n + |r|)! = 1 / ((n + 1) ... (n + |r|)).
    const Decimal k = floor(-r);
    Decimal divisor = 1;
    static const Decimal kReciprocalLimit = Decimal::fromText("1E400");
    for (Decimal i = 0; i < k && divisor < kReciprocalLimit; i += 1) divisor *= rest - i;
    return inRange(1 / (divisor * gammaShiftRatio(rest - k, -r - k)));
}

Decimal nthRoot(Decimal rawRadicand, Decimal rawDegree) {
    const Decimal radicand = snappedToWhole(rawRadicand), degree = snappedToWhole(rawDegree);
    if (degree.isZero()) fail(ErrCode::DivByZero);
    if (radicand.isNegative() && !radicand.isZero()) {
        const bool oddWhole = degree.isWhole() && !remainder(degree, 2).isZero();
        if (!oddWhole) fail(ErrCode::InvalidCall);
        return -nthRoot(-radicand, degree);
    }
    if (radicand.isZero()) {
        if (degree.isNegative()) fail(ErrCode::DivByZero);
        return Decimal();
    }
    return inRange(exactRootOr(power(radicand, 1 / degree), radicand, degree));
}

}  // namespace velmor::math
