#include "engine/failure_display.h"

#include "engine/form.h"

namespace velmor {

void showFailure(Form& form, ErrCode code, FailureTexts texts) {
    if (code == ErrCode::Overflow) form.display() = "Error :overflow";
    else if (code == ErrCode::DivByZero && texts == FailureTexts::DivisionAndOverflow)
        form.display() = "error :positive infinity";
    form.engine.newEntry = true;
}

void refuseInHex(Form& form) {
    form.platform.messageBox("Get latest version", MsgIcon::None);
    form.display().clear();
    form.engine.newEntry = true;
}

}  // namespace velmor
