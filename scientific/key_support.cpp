#include "scientific/key_support.h"

#include "engine/form.h"
#include "numeric/errors.h"

namespace velmor {

void showFunctionValue(Form& form, Decimal value) {
    try {
        form.display.show(value);
    } catch (const CalcError&) {
        if (form.display.format().decimal()) throw;
        form.display.showText(kOverflowText);
    }
}

}  // namespace velmor
