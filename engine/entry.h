// Number entry: digit keys, decimal point, Backspace, sign change and "CE".
#pragma once

#include <string>

#include "engine/actions.h"
#include "numeric/decimal.h"

namespace velmor {

void registerEntryActions(ActionTable& table);

// The decimal-point action, shared with the keyboard's ".".
void decimalPoint(Form& form);
// Shows a result text: the display takes the text and the next digit starts a
// new number. Computed numbers go through showNumber (engine/display_value.h).
void showResult(Form& form, const std::string& text);

// The value on show stays; the next digit starts a new number.
void endEntry(Form& form);
// A value other than a typed one (a paste, a reviewed value) reached the display
// as the pending operation's second operand.
void operandEntered(Form& form);
// Makes `value` the running value, the left operand of the next operation.
void setRunningValue(Form& form, Decimal value);

}  // namespace velmor
