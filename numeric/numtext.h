// The three conversions between display text and numbers that every key uses,
// plus the 32-bit rounding and integer remainder the operator and base keys share.
// The number format is the calculator's own: "." is always the decimal point.
// A text reads as its exact decimal value (rounded to 34 digits only when it
// has more), within the range of numeric/range.h.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "numeric/decimal.h"

namespace velmor {

// Leading-number parse: the numeric prefix of the text, 0 when there is none.
// Blanks, tabs and line feeds are skipped anywhere; "&H"/"&O" read a 32-bit
// hexadecimal or octal integer. Throws Overflow when the prefix is beyond the
// range (or a prefixed integer beyond 32 bits).
Decimal leadingNumber(std::string_view text);

// Strict conversion: the whole text must be a number (surrounding blanks and ","
// thousands separators allowed). Throws TypeMismatch or Overflow.
Decimal strictNumber(std::string_view text);

// Standard number-to-text: rounded to 15 significant digits (halves to even),
// exponent form below 1E-04 and from 1E+15 on. Throws Overflow for a value
// beyond the range; a value below it shows "0".
std::string numberText(Decimal value);

// Every digit of the value (up to 34), in a form strictNumber reads back as the
// same value: plain where that is short, else with an exponent ("1.5E-300").
// For handing a full value on as text; a finite value only.
std::string exactText(Decimal value);

// Rounds to the nearest 32-bit integer, halves to even; Overflow outside the range.
std::int32_t round32(Decimal value);

// Int(a) Mod Int(b) with the sign of the dividend; DivByZero when Int(b) is 0.
std::int32_t intMod(Decimal a, Decimal b);

// Blanks: spaces, tabs and line breaks, wherever a text is trimmed or skipped.
inline constexpr std::string_view kBlankCharacters = " \t\r\n";
// The text without the blanks around it.
std::string_view trimBlanks(std::string_view text);
// True when the text is empty or only blanks.
bool isBlank(std::string_view text);

}  // namespace velmor
