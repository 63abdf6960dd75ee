// The three conversions between display text and numbers that every key uses,
// plus the 32-bit rounding and integer remainder the operator and base keys share.
// The number format is the calculator's own: "." is always the decimal point.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velmor {

// Leading-number parse: the numeric prefix of the text, 0 when there is none.
// Blanks, tabs and line feeds are skipped anywhere; "&H"/"&O" read a 32-bit
// hexadecimal or octal integer. Throws Overflow when the prefix is beyond the
// double range (or a prefixed integer beyond 32 bits).
double leadingNumber(std::string_view text);

// Strict conversion: the whole text must be a number (surrounding blanks and ","
// thousands separators allowed). Throws TypeMismatch or Overflow.
double strictNumber(std::string_view text);

// Standard number-to-text: 15 significant digits, exponent form below 1E-04 and
// from 1E+15 on. Throws Overflow for a value that is not finite.
std::string numberText(double value);

// Rounds to the nearest 32-bit integer, halves to even; Overflow outside the range.
std::int32_t round32(double value);

// Int(a) Mod Int(b) with the sign of the dividend; DivByZero when Int(b) is 0.
std::int32_t intMod(double a, double b);

// True when the text, trimmed of blanks, is empty.
bool isBlank(std::string_view text);

}  // namespace velmor
