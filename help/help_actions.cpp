#include "help/help_actions.h"

#include "engine/form.h"

namespace velmor {

void whatIsThis(Form& form, Ctl control, int buttons) {
    if (buttons != 2) return;
    form.platform.setFocus(control);
    form.platform.popupWhatsThisMenu();
    form.platform.queueHelpKey();
}

void contextHelp(Form& form, Ctl control) {
    const int topic = form.help.helpId[toInt(control)];
    if (topic != 0) form.platform.showPopupTopic(topic, control);
}

void registerHelpActions(ActionTable& table) {
    table.onMenu(Menu::Helptopics, [](Form& form) {
        form.platform.openHelpViewer(form.platform.programFolder() + "/calculator.hlp", 1);
    });
}

}  // namespace velmor
