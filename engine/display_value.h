// How the display holds numbers: decimal text with the full value behind it,
// or in Hex, Oct and Bin the numeral of a signed whole number of the word size.
//
// A key that shows a computed number in decimal remembers the whole decimal
// with the text. The next key that reads the display gets that value as long
// as the text is unchanged and nothing edited it; a digit, ".", Backspace, a
// letter, a paste or any other edit makes the text the truth again. So
// 1 / 3 * 3 gives 1, and the text 0.333333333333333 typed by hand still means
// itself.
//
// In Hex, Oct and Bin every value is a whole number of the selected word size
// (Dword 32, Word 16, Byte 8 bits) in two's complement: results are rounded
// halves to even and written as the word's numeral (Byte -1 is 11111111).
#pragma once

#include <string>

#include "numeric/decimal.h"
#include "numeric/radix.h"

namespace velmor {

struct Form;

// Decimal text, or the numerals of a word.
struct DisplayFormat {
    bool decimal = true;
    radix::Word word{10, 32};
};

// The format the selected base and word size give.
DisplayFormat displayFormat(const Form& form);
// The format of a base (kHex ... kBin) with the word size of that many bits.
DisplayFormat formatOf(int base, int bits);
// The word size the unit buttons select outside decimal: Dword 32, Word 16, Byte 8.
int selectedWordBits(const Form& form);

// Shows a computed value as a result (the next digit starts a new number).
// Decimal: the text with the full value remembered behind it; Overflow beyond
// the range, leaving the display alone. Numerals: the word's numeral, or the
// text "Error :overflow" for a value outside the word (never throws).
void showNumber(Form& form, Decimal value);
// The same without touching the entry flags: the display just takes the value.
void writeNumber(Form& form, Decimal value);
// Throws Overflow when showNumber could not show the value as a number.
void requireShowable(const Form& form, Decimal value);
// An edit: the display's text is what it means from now on.
void forgetShownValue(Form& form);

// The display read as a number. Decimal: the leading-number parse or the
// strict conversion (numeric/numtext.h), or the remembered value while it
// stands behind the text. Numerals: the numeral's signed value; leniently,
// an empty display or a text that is no numeral reads as 0.
Decimal displayedLeading(const Form& form);
Decimal displayedStrict(const Form& form);

// The same in a given format, for the base change, which reads in the old
// base and writes in the new one. writeNumberAs throws Overflow.
Decimal readNumberAs(const Form& form, DisplayFormat format, bool strict);
void writeNumberAs(Form& form, DisplayFormat format, Decimal value);

}  // namespace velmor
