// The one-operand keys "x^2", "x^3" and "1/x": applied at once to the displayed
// value; the pending operation and the running value stay as they were.
#pragma once

namespace velmor {

struct Form;

// The operator key of that index is a one-operand key.
bool isOneOperandKey(int opIndex);
// Applies the key's function to the display and shows the result or its failure.
void applyOneOperandKey(Form& form, int opIndex);

}  // namespace velmor
