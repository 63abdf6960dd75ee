#include "help/edit_menu.h"

#include "engine/display_value.h"
#include "engine/entry.h"
#include "engine/form.h"
#include "engine/texts.h"

namespace velmor {
namespace {

void copyDisplay(Form& form) {
    if (!form.platform.setClipboardText(form.display()))
        form.platform.messageBox(kClipboardUnavailable, MsgIcon::Information);
}

void pasteIntoDisplay(Form& form) {
    const auto text = form.platform.clipboardText();
    if (!text) {
        form.platform.messageBox(kClipboardUnavailable, MsgIcon::Information);
        return;
    }
    form.display() = *text;
    forgetShownValue(form);  // the pasted text means what it says
    operandEntered(form);  // a pasted number is an operand like a typed one
}

void deleteDisplay(Form& form) { form.display().clear(); }

}  // namespace

void registerEditMenu(ActionTable& table) {
    table.onMenu(Menu::copy, copyDisplay);
    table.onMenu(Menu::paste, pasteIntoDisplay);
    table.onMenu(Menu::delete_, deleteDisplay);
}

}  // namespace velmor
