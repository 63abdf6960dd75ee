#include "numeric/decimal.h"

#include <charconv>
#include <ostream>

#include "numeric/bid.h"

namespace velmor {

using bid::apply;
using bid::raw;
using bid::sameExactness;
using bid::wrap;

Decimal::Decimal(int value) : Decimal(wrap(bid128_from_int32(value))) {}

Decimal Decimal::fromInt64(std::int64_t value) { return wrap(bid128_from_int64(value)); }

Decimal Decimal::fromDouble(double value) {
    char text[64];
    const auto written = std::to_chars(text, text + sizeof text - 1, value);  // shortest round trip
    *written.ptr = '\0';
    return fromText(text);
}

Decimal Decimal::fromText(std::string_view text) {
    std::string copy(text);
    _IDEC_flags flags = 0;
    const BID_UINT128 r = bid128_from_string(copy.data(), bid::kNearest, &flags);
    return wrap(r, flags, true);
}

double Decimal::toDouble() const {
    _IDEC_flags flags = 0;
    return bid128_to_binary64(raw(*this), bid::kNearest, &flags);
}

std::string Decimal::debugText() const {
    char text[64];
    _IDEC_flags flags = 0;
    bid128_to_string(text, raw(*this), &flags);
    return text;
}

bool Decimal::isZero() const { return bid128_isZero(raw(*this)) != 0; }
bool Decimal::isNegative() const { return bid128_isSigned(raw(*this)) != 0; }
bool Decimal::isFinite() const { return bid128_isFinite(raw(*this)) != 0; }
bool Decimal::isNaN() const { return bid128_isNaN(raw(*this)) != 0; }
bool Decimal::isWhole() const { return isFinite() && truncate(*this) == *this; }

Decimal Decimal::operator-() const { return sameExactness(wrap(bid128_negate(raw(*this))), *this); }

Decimal operator+(Decimal a, Decimal b) { return apply(bid128_add, a, b); }
Decimal operator-(Decimal a, Decimal b) { return apply(bid128_sub, a, b); }
Decimal operator*(Decimal a, Decimal b) { return apply(bid128_mul, a, b); }
Decimal operator/(Decimal a, Decimal b) { return apply(bid128_div, a, b); }

bool operator==(Decimal a, Decimal b) {
    _IDEC_flags flags = 0;
    return bid128_quiet_equal(raw(a), raw(b), &flags) != 0;
}
bool operator<(Decimal a, Decimal b) {
    _IDEC_flags flags = 0;
    return bid128_quiet_less(raw(a), raw(b), &flags) != 0;
}

std::ostream& operator<<(std::ostream& out, Decimal value) { return out << value.debugText(); }

Decimal abs(Decimal x) { return sameExactness(wrap(bid128_abs(raw(x))), x); }

Decimal roundHalfEven(Decimal x) {
    _IDEC_flags flags = 0;
    return sameExactness(wrap(bid128_round_integral_nearest_even(raw(x), &flags)), x);
}
Decimal truncate(Decimal x) {
    _IDEC_flags flags = 0;
    return sameExactness(wrap(bid128_round_integral_zero(raw(x), &flags)), x);
}
Decimal floor(Decimal x) {
    _IDEC_flags flags = 0;
    return sameExactness(wrap(bid128_round_integral_negative(raw(x), &flags)), x);
}

Decimal remainder(Decimal x, Decimal y) {
    _IDEC_flags flags = 0;
    const Decimal r = wrap(bid128_fmod(raw(x), raw(y), &flags));
    return x.isExact() && y.isExact() ? r : r.markedInexact();
}

int decimalExponent(Decimal x) {
    _IDEC_flags flags = 0;
    return bid128_ilogb(raw(x), &flags);
}

Decimal scaleByPowerOfTen(Decimal x, int n) {
    _IDEC_flags flags = 0;
    const BID_UINT128 r = bid128_scalbn(raw(x), n, bid::kNearest, &flags);
    return wrap(r, flags, x.isExact());
}

std::int64_t toInt64(Decimal x) {
    _IDEC_flags flags = 0;
    return bid128_to_int64_rnint(raw(x), &flags);
}

}  // namespace velmor
