#include "engine/operand.h"

#include "engine/controls.h"
#include "engine/display_value.h"
#include "engine/form.h"

namespace velmor {

bool hexSelected(const Form& form) { return form.selectedBase() == kHex; }

// The operator keys take only a numeral in Hex, Oct and Bin (or an empty
// display, which reads as 0); the function keys read other texts as 0.
Decimal readDisplay(const Form& form, Reading reading) {
    if (reading == Reading::Strict) return displayedStrict(form);
    if (!displayFormat(form).decimal && !form.display().empty()) return displayedStrict(form);
    return displayedLeading(form);
}

void showOperand(Form& form, Decimal value) {
    requireShowable(form, value);
    showNumber(form, value);
}

void writeOperand(Form& form, Decimal value) {
    requireShowable(form, value);
    writeNumber(form, value);
}

}  // namespace velmor
