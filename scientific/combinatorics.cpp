#include "scientific/combinatorics.h"

#include <cfloat>
#include <cmath>

#include "engine/errors.h"

namespace velmor::math {
namespace {

// The largest whole n whose factorial fits a double.
constexpr double kLargestFactorial = 170;
// Running products stop past this bound: a final factor never brings them back
// into the double range (it is at least Gamma(1 + f) > 0.88 where one follows).
constexpr long double kProductLimit = 2.0L * DBL_MAX;
// Reciprocal products stop here: the reciprocal is below every double.
constexpr long double kReciprocalLimit = 1e400L;
// Below this argument the long-double Gamma function is finite and accurate.
constexpr long double kDirectGammaLimit = 1700;

using Ld = long double;

bool isWhole(Ld x) { return x == std::trunc(x); }

double toDouble(Ld x) {
    if (!(std::fabs(x) <= DBL_MAX)) fail(ErrCode::Overflow);  // also catches NaN
    return static_cast<double>(x);
}

// n (n - 1) ... (n - terms + 1) for a whole number of terms; every factor is at
// least 1 where it is used, so the product can stop once it is out of range.
Ld fallingProduct(Ld n, Ld terms) {
    Ld product = 1;
    for (Ld i = 0; i < terms; ++i) {
        product *= n - i;
        if (product > kProductLimit) fail(ErrCode::Overflow);
    }
    return product;
}

// (top + 1)/(bottom + 1) ... (top + k)/(bottom + k) with top >= bottom >= 0. For
// C(n, k) = product(n - k, 0, k) each partial product is again a binomial
// coefficient, so whole arguments stay exact while they fit 64 bits.
Ld ratioProduct(Ld top, Ld bottom, Ld k) {
    Ld product = 1;
    for (Ld i = 1; i <= k; ++i) {
        product = product * (top + i) / (bottom + i);
        if (product > kProductLimit) fail(ErrCode::Overflow);
    }
    return product;
}

// 1/12z - 1/360z^3 + 1/1260z^5 - 1/1680z^7: the tail of Stirling's series for ln Gamma(z).
Ld stirlingTail(Ld z) {
    const Ld w = 1 / (z * z);
    return (1.0L / 12 - w * (1.0L / 360 - w * (1.0L / 1260 - w / 1680))) / z;
}

// Gamma(y + 1) / Gamma(y + 1 - f) for 0 <= f < 1 and y >= f. For large y the
// difference of the two Stirling series is taken term by term, so the large
// logarithms cancel exactly instead of in rounded arithmetic.
Ld gammaShiftRatio(Ld y, Ld f) {
    if (f == 0) return 1;
    if (y < kDirectGammaLimit) return std::tgamma(y + 1) / std::tgamma(y + 1 - f);
    const Ld z1 = y + 1, z2 = z1 - f;
    const Ld lnRatio = f * std::log(z1) - (z2 - 0.5L) * std::log1p(-f / z1) - f + stirlingTail(z1) - stirlingTail(z2);
    return std::exp(lnRatio);
}

// Gamma(x + 1) / Gamma(x - t + 1) for 0 <= t <= x: a falling product over the
// whole part of t and a Gamma quotient for its fraction.
Ld fallingGamma(Ld x, Ld t) {
    const Ld k = std::floor(t);
    return fallingProduct(x, k) * gammaShiftRatio(x - k, t - k);
}

}  // namespace

double factorial(double n) {
    if (n == 0) return 1;
    if (n < 0) return 0;
    if (isWhole(n)) {
        if (n > kLargestFactorial) fail(ErrCode::Overflow);
        return toDouble(fallingProduct(n, n));
    }
    return toDouble(std::tgamma(static_cast<Ld>(n) + 1));
}

// The error rows follow the factorial quotient n! / (r! (n - r)!), where the
// factorial of a negative argument is 0: a zero numerator over a zero
// denominator overflows, a non-zero one divides by zero.
double combinations(double n, double r) {
    if (n < 0) fail(ErrCode::Overflow);
    if (r < 0 || r > n) fail(ErrCode::DivByZero);
    // C(n, s) with s the smaller of r and n - r: s = k + f, k whole, 0 <= f < 1;
    // Gamma(s + 1) = Gamma(f + 1) (f + 1) ... (f + k).
    const Ld s = std::fmin(static_cast<Ld>(r), static_cast<Ld>(n) - r);
    const Ld k = std::floor(s), f = s - k;
    const Ld product = ratioProduct(n - k, f, k);
    if (f == 0) return toDouble(product);
    return toDouble(product * gammaShiftRatio(n - k, f) / std::tgamma(1 + f));
}

// n! / (n - r)!, with the same error rows as the quotient of factorials.
double permutations(double n, double r) {
    const Ld rest = static_cast<Ld>(n) - r;
    if (n < 0) {
        if (rest < 0) fail(ErrCode::Overflow);
        return 0;
    }
    if (rest < 0) fail(ErrCode::DivByZero);
    if (r >= 0) return toDouble(fallingGamma(n, r));
    // n! / (n + |r|)! = 1 / ((n + 1) ... (n + |r|)).
    const Ld k = std::floor(-static_cast<Ld>(r));
    Ld divisor = 1;
    for (Ld i = 0; i < k && divisor < kReciprocalLimit; ++i) divisor *= rest - i;
    return toDouble(1 / (divisor * gammaShiftRatio(rest - k, -r - k)));
}

double nthRoot(double radicand, double degree) {
    if (degree == 0) fail(ErrCode::DivByZero);
    if (radicand < 0) {
        const bool oddWhole = isWhole(degree) && std::fmod(degree, 2) != 0;
        if (!oddWhole) fail(ErrCode::InvalidCall);
        return -nthRoot(-radicand, degree);
    }
    if (radicand == 0) {
        if (degree < 0) fail(ErrCode::DivByZero);
        return 0;
    }
    return toDouble(std::pow(static_cast<Ld>(radicand), 1.0L / degree));
}

}  // namespace velmor::math
