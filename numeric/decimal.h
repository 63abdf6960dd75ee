// The calculator's one number type: an IEEE 754 decimal128 value (34
// significant decimal digits, exponents far beyond the range the display
// shows). Users type and read decimals, so a typed 0.1 is exactly 0.1 and
// 1 / 3 * 3 comes back to 1 at the display's 15 digits.
//
// Operators round to 34 digits, halves to even, and never fail: a result out
// of the calculator's range is caught by `inRange` (numeric/range.h) where a
// key produces it.
//
// Every value knows whether it is exact: whole numbers, texts whose digits fit
// and results that needed no rounding are; a rounded result, and anything
// computed from an inexact value, is not. Only inexact values carry rounding
// noise, so only they are judged by the noise rules of numeric/noise.h.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

namespace velmor {

// The working precision: significant digits of every value.
inline constexpr int kWorkingDigits = 34;

// The noise border: an inexact value is taken for a special point (a whole
// number, 1, a half, a zero of a function) when it lies within this many
// units of its own last (34th) digit of it. Every function is correctly
// rounded, half a unit; the values a key is handed come from a few such
// steps, some of them doubling the error (a square, a product with a rounded
// pi): 1 / 3 * 3 is 1 unit below 1, the square of the root of 7 is 2 units
// below 7, arccos 0 in degrees is 3 units below 90. Ten units covers such
// chains with room to spare, and is still 18 digits below the 15 the display
// shows, so no value a user can tell from the point is ever taken for it.
inline constexpr int kNoiseUnits = 10;

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
    // digits (exact when nothing was rounded); anything else gives NaN. Meant
    // for constants and the parsers.
    static Decimal fromText(std::string_view text);

    double toDouble() const;
    // 34 digits and the exponent, for messages and test output: "-1.5E+3" style.
    std::string debugText() const;

    bool isZero() const;
    bool isNegative() const;  // also true for -0
    bool isFinite() const;
    bool isNaN() const;
    bool isWhole() const;
    // False once a rounding took part in making the value (see above).
    bool isExact() const { return !inexact_; }
    // The same value, known to carry rounding noise (a constant such as pi).
    Decimal markedInexact() const {
        Decimal d = *this;
        d.inexact_ = true;
        return d;
    }

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

    // Raw access for the functions of this library; fromBits makes an exact value.
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
    bool inexact_ = false;
};

std::ostream& operator<<(std::ostream& out, Decimal value);

// Sign changes, roundings to whole numbers and the remainder are exact
// operations: their results are exact when their arguments are.
Decimal abs(Decimal x);
// Whole-number roundings: halves to even, toward zero, toward minus infinity.
Decimal roundHalfEven(Decimal x);
Decimal truncate(Decimal x);
Decimal floor(Decimal x);
// The exact remainder of x / y with the sign of x (y not 0).
Decimal remainder(Decimal x, Decimal y);
// The power of ten of the leading digit: 2 for 123, -1 for 0.5 (x not 0).
int decimalExponent(Decimal x);
// x * 10^n, exact while the digits fit (and only then marked exact).
Decimal scaleByPowerOfTen(Decimal x, int n);
// A whole x within the 64-bit range as an integer (callers check the range).
std::int64_t toInt64(Decimal x);

}  // namespace velmor
