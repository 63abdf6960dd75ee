#include "numeric/arithmetic.h"

#include "numeric/elementary.h"
#include "numeric/errors.h"
#include "numeric/noise.h"
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

}  // namespace

Decimal checkedSum(Decimal a, Decimal b) { return inRange(noiseFreeSum(a, b)); }

Decimal checkedDifference(Decimal a, Decimal b) { return inRange(noiseFreeDifference(a, b)); }

Decimal checkedProduct(Decimal a, Decimal b) { return inRange(a * b); }

Decimal checkedQuotient(Decimal a, Decimal b) {
    if (b.isZero()) fail(a.isZero() ? ErrCode::Overflow : ErrCode::DivByZero);
    return inRange(a / b);
}

// An inexact base or exponent within its noise of a whole number is that number:
// 3 sqrt x^2 as an exponent is 3, so -2 x^y of it is -8; 1 / 3 * 3 x^y 1E34 is 1.
Decimal checkedPower(Decimal rawBase, Decimal rawExponent) {
    const Decimal base = snappedToWhole(rawBase), exponent = snappedToWhole(rawExponent);
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

// Int() of an inexact operand within its noise of a whole number is that number.
Decimal integerRemainder(Decimal a, Decimal b) { return intMod(snappedToWhole(a), snappedToWhole(b)); }

}  // namespace velmor
