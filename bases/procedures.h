// The form procedures of the number bases: key enabling and the conversions
// between the decimal display and the numerals of the other bases. Every
// numeral is a whole 32-bit value; a failure (CalcError Overflow or
// TypeMismatch) is passed to the caller before the display is written.
#pragma once

#include <string_view>

#include "numeric/decimal.h"

namespace velmor {

struct Form;

// Enables or disables the digit keys 2 to 9 and the letter keys A to F; keys 0 and 1 stay as they are.
void Enables(Form& form, bool digitsOn, bool lettersOn);

// Writes the binary numeral of the value rounded once to 32 bits (negative
// values as their two's complement) into the display.
void decbin(Form& form, Decimal value);

// Reads the display as an octal numeral and writes its decimal value into it.
void Octdeci(Form& form);

// Writes into the display the decimal value of the binary numeral.
void binDec(Form& form, std::string_view binaryNumeral);

// Writes into the display the decimal value of the hexadecimal numeral (upper-case
// letters only); the work box Text2 is left holding the same value in binary.
void Hexdeci(Form& form, std::string_view hexNumeral);

// The numeral without the blanks around it.
std::string_view trimBlanks(std::string_view text);

}  // namespace velmor
