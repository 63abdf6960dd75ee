#include "help/help_actions.h"

#include "engine/form.h"
#include "help/help_state.h"

namespace velmor {

void whatIsThis(Form& form, Ctl control, int buttons) {
    constexpr int kRightButtonOnly = 2;
    if (buttons != kRightButtonOnly) return;
    showWhatIsThis(form, control);
}

void showWhatIsThis(Form& form, Ctl control) {
    form.platform.setFocus(control);
    form.platform.popupWhatsThisMenu();
    form.platform.queueHelpKey();
}

void contextHelp(Form& form, Ctl control) {
    const int topic = helpTopic(form, control);
    if (topic != 0) form.platform.showPopupTopic(topic, control);
}

void registerHelpActions(ActionTable& table) {
    table.onMenu(Menu::HelpTopics, [](Form& form) {
        form.platform.openHelpViewer(form.platform.programFolder() + "/" + kHelpFileName, 1);
    });
    table.onMenu(Menu::WhatsThisMode, [](Form& form) { form.platform.enterWhatsThisMode(); });
}

}  // namespace velmor
