#include "stats/error_box.h"

#include "engine/error_texts.h"
#include "engine/form.h"

namespace velmor {

void showErrorBox(Form& form, ErrCode code) {
    form.platform.messageBox(errorTextSpaced(form, code), MsgIcon::None);
}

}  // namespace velmor
