// Reading the display as an operand and writing a result back, in the
// selected number base: decimal text in Dec, numerals of signed whole numbers
// of the word size in Hex, Oct and Bin (engine/display_value.h).
#pragma once

#include <string>

#include "numeric/decimal.h"

namespace velmor {

struct Form;

// How a decimal display is read: the numeric prefix (no prefix reads as 0), or
// the whole text, which must be a number (type mismatch otherwise).
enum class Reading { Leading, Strict };

// Arithmetic refuses hexadecimal text (see refuseInHex).
bool hexSelected(const Form& form);

// The display's value: in Dec the full value behind a result's text; in Hex,
// Oct and Bin the numeral's signed value, where Reading::Leading reads an
// empty display as 0 and a text that is no numeral is a TypeMismatch. Throws CalcError.
Decimal readDisplay(const Form& form, Reading reading);

// Shows a computed value as a result: the standard decimal text with the full
// value behind it, or the numeral of the value rounded to a whole number of
// the word. Throws Overflow beyond the range or the word, leaving the display alone.
void showOperand(Form& form, Decimal value);
// The same without the entry flags of a result: the display just takes the value.
void writeOperand(Form& form, Decimal value);

}  // namespace velmor
