// Number entry: digit keys, decimal point, Backspace, sign change and "CE".
#pragma once

#include "engine/actions.h"

namespace velmor {

void registerEntryActions(ActionTable& table);

// The decimal-point action, shared with the keyboard's ".".
void decimalPoint(Form& form);
// Shows a result text: the display takes the text and the next digit starts a
// new number. Computed numbers go through showNumber (engine/display_value.h).
void showResult(Form& form, const std::string& text);

}  // namespace velmor
