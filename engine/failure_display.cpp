#include "engine/failure_display.h"

#include "engine/form.h"
#include "engine/texts.h"

namespace velmor {

void showFailure(Form& form, ErrCode code, FailureTexts texts) {
    if (code == ErrCode::Overflow) form.display.showOverflow();
    else if (code == ErrCode::DivByZero && texts == FailureTexts::DivisionAndOverflow)
        form.display.showText(form.say(kPositiveInfinityText));
    else form.display.endEntry();
}

void refuseInHex(Form& form) {
    form.platform.messageBox(form.say(kGetLatestVersionText), MsgIcon::None);
    form.display.clear();
    form.display.endEntry();
}

}  // namespace velmor
