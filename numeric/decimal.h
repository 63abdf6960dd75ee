// The calculator's one number type: an IEEE 754 decimal128 value (34
// significant decimal digits, exponents far beyond the range the display
// shows). Users type and read decimals, so a typed 0.1 is exactly 0.1 and
// 1 / 3 * 3 comes back to 1 at the display's 15 digits.
//
// Operators round to 34 digits, halves to even, and never fail: a result out
// of the calculator's range is caught by `inRange` (numeric/range.h) where a
// key produces it.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

namespace velmor {

class Decimal {
public:
    // Zero with exponent 0.
    constexpr Decimal() : low_(0), high_(0x3040000000000000ull) {}
    Decimal(int value);  // NOLINT: whole numbers convert exactly and implicitly
    // A binary double is never taken for a decimal by accident: see fromDouble.
    Decimal(double) = delete;
    Decimal(long double) = delete;
    static Decimal fromInt64(std::int64_t value);
    // The shortest decimal that reads back as `value` (0.1 for the double 0.1).
    // NaN and infinities stay what they are.
    static Decimal fromDouble(double value);
    // A plain decimal text "[-]digits[.digits][E[-]digits]" rounded to 34
    // digits; anything else gives NaN. Meant for constants and the parsers.
    static Decimal fromText(std::string_view text);

    double toDouble() const;
    // 34 digits and the exponent, for messages and test output: "-1.5E+3" style.
    std::string debugText() const;

    bool isZero() const;
    bool isNegative() const;  // also true for -0
    bool isFinite() const;
    bool isNaN() const;
    bool isWhole() const;

    Decimal operator-() const;
    friend Decimal operator+(Decimal a, Decimal b);
    friend Decimal operator-(Decimal a, Decimal b);
    friend Decimal operator*(Decimal a, Decimal b);
    friend Decimal operator/(Decimal a, Decimal b);
    Decimal& operator+=(Decimal b) { return *this = *this + b; }
    Decimal& operator-=(Decimal b) { return *this = *this - b; }
    Decimal& operator*=(Decimal b) { return *this = *this * b; }
    Decimal& operator/=(Decimal b) { return *this = *this / b; }

    friend bool operator==(Decimal a, Decimal b);
    friend bool operator<(Decimal a, Decimal b);
    friend bool operator>(Decimal a, Decimal b) { return b < a; }
    friend bool operator<=(Decimal a, Decimal b) { return !(b < a) && !a.isNaN() && !b.isNaN(); }
    friend bool operator>=(Decimal a, Decimal b) { return b <= a; }

    // Raw access for the functions of this library.
    struct Bits {
        std::uint64_t low, high;
    };
    Bits bits() const { return {low_, high_}; }
    static Decimal fromBits(Bits b) {
        Decimal d;
        d.low_ = b.low;
        d.high_ = b.high;
        return d;
    }

private:
    std::uint64_t low_, high_;
};

std::ostream& operator<<(std::ostream& out, Decimal value);

Decimal abs(Decimal x);
// Whole-number roundings: halves to even, toward zero, toward minus infinity.
Decimal roundHalfEven(Decimal x);
Decimal truncate(Decimal x);
Decimal floor(Decimal x);
// The exact remainder of x / y with the sign of x (y not 0).
Decimal remainder(Decimal x, Decimal y);
// The power of ten of the leading digit: 2 for 123, -1 for 0.5 (x not 0).
int decimalExponent(Decimal x);
// x * 10^n, exact while the digits fit.
Decimal scaleByPowerOfTen(Decimal x, int n);
// A whole x within the 64-bit range as an integer (callers check the range).
std::int64_t toInt64(Decimal x);

}  // namespace velmor
