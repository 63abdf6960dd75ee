// How the operator and equals keys report a failure: a text in the display or
// silence, and the message that refuses arithmetic in Hex.
#pragma once

#include "numeric/errors.h"

namespace velmor {

struct Form;

// Which failures have a display text: every operation names a division by zero
// and an overflow, except the powers, which name only the overflow.
enum class FailureTexts { DivisionAndOverflow, OverflowOnly };

// Writes the failure's text into the display, or leaves the display as it is
// when the failure has none. The next digit starts a new number either way.
void showFailure(Form& form, ErrCode code, FailureTexts texts);

// Arithmetic on hexadecimal text is not offered: the message, then an empty display.
void refuseInHex(Form& form);

}  // namespace velmor
