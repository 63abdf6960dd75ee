#include "scientific/combinatorics.h"

#include <cfloat>
#include <cmath>

#include "engine/errors.h"

namespace velmor::math {
namespace {

// The largest whole n whose factorial fits a double.
constexpr double kLargestFactorial = 170;
// Product forms are used up to this many terms; whole arguments never need more,
// because their products pass the double range long before.
constexpr double kMaxProductTerms = 2000;
// Below this argument the long-double Gamma function is finite, so quotients of
// Gamma values keep their full precision; above it they go through log-Gamma.
constexpr long double kDirectGammaLimit = 1700;

bool isWhole(double x) { return x == std::trunc(x); }

double toDouble(long double x) {
    if (!(std::fabs(x) <= DBL_MAX)) fail(ErrCode::Overflow);  // also catches NaN
    return static_cast<double>(x);
}

// n (n - 1) ... (n - terms + 1) for whole terms >= 0, stopping as soon as the
// product leaves the double range (every factor is at least 1 where it is used).
long double fallingProduct(long double n, double terms) {
    long double product = 1;
    for (double i = 0; i < terms; ++i) {
        product *= n - i;
        if (product > DBL_MAX) fail(ErrCode::Overflow);
    }
    return product;
}

// C(n, k) for a whole k >= 0 with n >= k: each partial product is again a
// binomial coefficient, so whole arguments stay exact while they fit 64 bits.
long double binomialProduct(long double n, double k) {
    long double product = 1;
    for (double i = 1; i <= k; ++i) {
        product = product * (n - k + i) / i;
        if (product > DBL_MAX) fail(ErrCode::Overflow);
    }
    return product;
}

// Gamma(a + 1) / Gamma(b + 1) / Gamma(c + 1) for a, b, c >= 0.
long double gammaQuotient(long double a, long double b, long double c) {
    if (a < kDirectGammaLimit && b < kDirectGammaLimit && c < kDirectGammaLimit)
        return std::tgamma(a + 1) / (std::tgamma(b + 1) * std::tgamma(c + 1));
    return std::exp(std::lgamma(a + 1) - std::lgamma(b + 1) - std::lgamma(c + 1));
}

}  // namespace

double factorial(double n) {
    if (n == 0) return 1;
    if (n < 0) return 0;
    if (isWhole(n)) {
        if (n > kLargestFactorial) fail(ErrCode::Overflow);
        return toDouble(fallingProduct(n, n));
    }
    return toDouble(std::tgamma(static_cast<long double>(n) + 1));
}

// The error rows follow the factorial quotient n! / (r! (n - r)!), where the
// factorial of a negative argument is 0: a zero numerator over a zero
// denominator overflows, a non-zero one divides by zero.
double combinations(double n, double r) {
    if (n < 0) fail(ErrCode::Overflow);
    if (r < 0 || r > n) fail(ErrCode::DivByZero);
    const long double rest = static_cast<long double>(n) - r;
    if (isWhole(r) && isWhole(n)) return toDouble(binomialProduct(n, std::fmin(r, static_cast<double>(rest))));
    if (isWhole(r) && r <= kMaxProductTerms) return toDouble(binomialProduct(n, r));
    if (rest == std::trunc(rest) && rest <= kMaxProductTerms)
        return toDouble(binomialProduct(n, static_cast<double>(rest)));
    return toDouble(gammaQuotient(n, r, rest));
}

// n! / (n - r)!, with the same error rows as the quotient of factorials.
double permutations(double n, double r) {
    const long double rest = static_cast<long double>(n) - r;
    if (n < 0) {
        if (rest < 0) fail(ErrCode::Overflow);
        return 0;
    }
    if (rest < 0) fail(ErrCode::DivByZero);
    if (isWhole(r) && r >= 0) return toDouble(fallingProduct(n, r));
    if (isWhole(r) && -r <= kMaxProductTerms) {
        // n! / (n + |r|)! = 1 / ((n + 1) ... (n + |r|)); past 1E400 the result is below any double.
        long double divisor = 1;
        for (double i = 1; i <= -r && divisor < 1e400L; ++i) divisor *= n + i;
        return toDouble(1 / divisor);
    }
    return toDouble(gammaQuotient(n, static_cast<long double>(rest), 0));
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
    return toDouble(std::pow(static_cast<long double>(radicand), 1.0L / degree));
}

}  // namespace velmor::math
