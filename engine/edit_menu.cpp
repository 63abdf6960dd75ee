#include "engine/edit_menu.h"

#include "engine/form.h"
#include "engine/texts.h"

namespace velmor {
namespace {

void copyDisplay(Form& form) {
    if (!form.platform.setClipboardText(form.display.text()))
        form.platform.messageBox(form.say(kClipboardUnavailable), MsgIcon::Information);
}

void pasteIntoDisplay(Form& form) {
    const auto text = form.platform.clipboardText();
    if (!text) {
        form.platform.messageBox(form.say(kClipboardUnavailable), MsgIcon::Information);
        return;
    }
    form.display.setText(*text);  // the pasted text means what it says, an operand like a typed one
}

void deleteDisplay(Form& form) { form.display.clear(); }

}  // namespace

void registerEditMenu(ActionTable& table) {
    table.onMenu(Menu::Copy, copyDisplay);
    table.onMenu(Menu::Paste, pasteIntoDisplay);
    table.onMenu(Menu::Delete, deleteDisplay);
}

}  // namespace velmor
