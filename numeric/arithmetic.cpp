#include "numeric/arithmetic.h"

#include <algorithm>

#include "numeric/elementary.h"
#include "numeric/errors.h"
#include "numeric/numtext.h"
#include "numeric/range.h"

namespace velmor {
namespace {

// Whole exponents up to this size are raised by repeated multiplication, which
// is exact as long as the result has at most 34 digits (10 x^y 2 is 100, not
// 100.000...01 as the general power function gives).
constexpr std::int64_t kLargestMultipliedExponent = 1024;

Decimal wholePower(Decimal base, std::int64_t exponent) {
    Decimal result = 1, factor = base;
    for (std::int64_t e = exponent; e > 0; e >>= 1) {
        if (e & 1) result *= factor;
        if (e > 1) factor *= factor;
    }
    return result;
}

// The cancellation threshold: 10^-31 of the larger operand.
const Decimal& noiseFraction() {
    static const Decimal value = Decimal::fromText("1E-31");
    return value;
}

}  // namespace

// Every value carries 34 significant digits, and the results of functions are
// right to within a unit or two of the 34th digit. When a sum or difference
// comes out smaller than 10^-31 of its larger operand, only the last three of
// those 34 digits are left, which is exactly where the rounding of the operands
// lives: such a result tells nothing about the true value and is taken as 0
// (sin 45 degrees minus 1/sqrt 2 is 0, not 1E-34). Three digits leave room for
// errors a short chain of functions accumulates, while any difference of
// numbers a user can type (15 digits, or 34 for a pasted one) or of values
// that really differ stays far above the threshold: 1E30 + 1 - 1E30 is still 1.
Decimal withoutCancellationNoise(Decimal result, Decimal largest) {
    if (!result.isZero() && abs(result) < abs(largest) * noiseFraction()) return Decimal();
    return result;
}

Decimal checkedSum(Decimal a, Decimal b) {
    return inRange(withoutCancellationNoise(a + b, std::max(abs(a), abs(b))));
}

Decimal checkedDifference(Decimal a, Decimal b) {
    return inRange(withoutCancellationNoise(a - b, std::max(abs(a), abs(b))));
}

Decimal checkedProduct(Decimal a, Decimal b) { return inRange(a * b); }

Decimal checkedQuotient(Decimal a, Decimal b) {
    if (b.isZero()) fail(a.isZero() ? ErrCode::Overflow : ErrCode::DivByZero);
    return inRange(a / b);
}

Decimal checkedPower(Decimal base, Decimal exponent) {
    if (exponent.isZero()) return 1;
    const bool whole = exponent.isWhole();
    if (base.isNegative() && !base.isZero() && !whole) fail(ErrCode::InvalidCall);
    if (base.isZero() && exponent.isNegative()) fail(ErrCode::DivByZero);
    if (whole && abs(exponent) <= Decimal::fromInt64(kLargestMultipliedExponent)) {
        const std::int64_t n = toInt64(exponent);
        const Decimal magnitude = wholePower(base, n < 0 ? -n : n);
        return inRange(n < 0 ? 1 / magnitude : magnitude);
    }
    if (base.isNegative() && !base.isZero()) {
        // A whole exponent: the sign follows its parity.
        const Decimal magnitude = checkedPower(-base, exponent);
        return remainder(exponent, 2).isZero() ? magnitude : -magnitude;
    }
    return inRange(math::power(base, exponent));
}

}  // namespace velmor
