// The display keeps the full value of a result behind its 15-digit text.
//
// A key that shows a computed number remembers the whole decimal with the
// text. The next key that reads the display gets that value as long as the
// text is unchanged and nothing edited it; a digit, ".", Backspace, a letter,
// a paste or any other edit makes the text the truth again. So 1 / 3 * 3
// gives 1, and the text 0.333333333333333 typed by hand still means itself.
#pragma once

#include <string>

#include "numeric/decimal.h"

namespace velmor {

struct Form;

// Shows a computed value as a result (the next digit starts a new number) and
// remembers it. Throws Overflow beyond the range, leaving the display alone.
void showNumber(Form& form, Decimal value);
// Writes the value's text and remembers it, without touching the entry flags.
void writeNumber(Form& form, Decimal value);
// An edit: the display's text is what it means from now on.
void forgetShownValue(Form& form);

// The display read with the leading-number parse or the strict conversion
// (numeric/numtext.h), or the remembered value while it stands behind the text.
Decimal displayedLeading(const Form& form);
Decimal displayedStrict(const Form& form);

}  // namespace velmor
