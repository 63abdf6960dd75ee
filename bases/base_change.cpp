#include "bases/base_keys.h"
#include "bases/bases_state.h"
#include "engine/entry.h"
#include "engine/error_texts.h"
#include "engine/form.h"
#include "numeric/errors.h"
#include "numeric/numtext.h"
#include "numeric/radix.h"

namespace velmor {
namespace {

Ctl selectedUnitButton(const Form& form) {
    for (Ctl button : {Ctl::Radians, Ctl::Grads, Ctl::Degrees})
        if (form.isSelected(button)) return button;
    return Ctl::Degrees;
}

// The decimal angle unit is kept while another base is chosen and returns with Dec.
void restoreAngleUnit(Form& form, const NumberFormat& old) {
    if (old.decimal() && !form.display.format().decimal()) basesState(form).decimalAngleUnit = selectedUnitButton(form);
    showFormatSelection(form);
    if (!old.decimal() && form.display.format().decimal()) form.selectOption(basesState(form).decimalAngleUnit);
}

}  // namespace

// The value on display is read in the old base and shown in the new one, whose
// word size starts at Dword; a click on the base already chosen keeps the value
// too. A change that fails (overflow, or a display that is no numeral of the
// old base) tells the error and leaves everything as it was, the old base selected.
void changeBase(Form& form, const Press& press) {
    const NumberFormat old = form.display.format();
    const NumberFormat chosen{press.index, 32};
    try {
        form.display.changeFormat(chosen);
    } catch (const CalcError& error) {
        showFormatSelection(form);
        form.platform.messageBox(errorTextJoined(form, error.code), MsgIcon::None);
        return;
    }
    // Leaving Hex leaves the binary numeral of the value in the work box.
    if (old.base == kHex && chosen.base != kHex && !isBlank(form.display.text()))
        form.control(Ctl::WorkValue).text = radix::binaryText(form.display.read(Reading::Strict));
    enableDigitKeys(form, false);
    restoreAngleUnit(form, old);
}

}  // namespace velmor
