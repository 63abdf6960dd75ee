// The "OK" / "New" key of formula entry: capture the formula, prompt for A to F
// one letter at a time, evaluate, and reset for the next formula.
#pragma once

namespace velmor {

struct Form;

// The key's one action: "New" while a result is shown, "OK" otherwise.
void pressOkOrNew(Form& form);

// "OK": captures the display as the formula or takes the value for the open prompt,
// then opens the next prompt or evaluates.
void sendFormula(Form& form);

// "New": clears the result and the formula so the next one can be typed.
void resetFormula(Form& form);

}  // namespace velmor
