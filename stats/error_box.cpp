#include "stats/error_box.h"

#include "engine/form.h"

namespace velmor {

std::string errorTextSpaced(ErrCode code) {
    return std::to_string(static_cast<int>(code)) + "   " + errorDescription(code);
}

void showErrorBox(Form& form, ErrCode code) {
    form.platform.messageBox(errorTextSpaced(code), MsgIcon::None);
}

}  // namespace velmor
