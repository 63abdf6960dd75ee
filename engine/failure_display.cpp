#include "engine/failure_display.h"

#include "engine/form.h"
#include "engine/texts.h"

namespace velmor {

void showFailure(Form& form, ErrCode code, FailureTexts texts) {
    if (code == ErrCode::Overflow) form.display() = kOverflowText;
    else if (code == ErrCode::DivByZero && texts == FailureTexts::DivisionAndOverflow)
        form.display() = kPositiveInfinityText;
    form.engine.newEntry = true;
}

void refuseInHex(Form& form) {
    form.platform.messageBox(kGetLatestVersionText, MsgIcon::None);
    form.display().clear();
    form.engine.newEntry = true;
}

}  // namespace velmor
