#include "scientific/key_support.h"

#include "engine/form.h"
#include "numeric/errors.h"

namespace velmor {

void showFunctionValue(Form& form, Decimal value) {
    if (form.display.format().decimal()) form.display.show(value);
    else form.display.showOrOverflow(value);
}

}  // namespace velmor
