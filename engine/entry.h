// Number entry: digit keys, decimal point, Backspace, sign change and "CE".
#pragma once

#include "engine/actions.h"
#include "numeric/decimal.h"

namespace velmor {

void registerEntryActions(ActionTable& table);

// Enables the digit keys 2 to 9 and the letter keys A to F that are digits of
// the display's base (every one of them with `everyDigit`, for a formula),
// and the decimal point in Dec only. Keys 0 and 1 are digits of every base.
void enableDigitKeys(Form& form, bool everyDigit);

// Makes `value` the running value, the left operand of the next operation.
void setRunningValue(Form& form, Decimal value);

}  // namespace velmor
