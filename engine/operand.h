// Reading the display as an operand and writing a result back, in the
// selected number base: decimal text in Dec, whole 32-bit numerals in Oct and Bin.
#pragma once

#include <string>

namespace velmor {

struct Form;

// How a decimal display is read: the numeric prefix (no prefix reads as 0), or
// the whole text, which must be a number (type mismatch otherwise).
enum class Reading { Leading, Strict };

// Arithmetic refuses hexadecimal text (see refuseInHex).
bool hexSelected(const Form& form);

// The display's value. In Hex, Oct and Bin the display must be a numeral of the base;
// an empty display reads as 0 under Reading::Leading. Throws CalcError.
double readDisplay(const Form& form, Reading reading);

// The text a computed value is shown as: standard decimal text, or the octal or
// binary numeral of the value rounded to 32 bits. Throws Overflow beyond the range.
std::string resultText(const Form& form, double value);

}  // namespace velmor
