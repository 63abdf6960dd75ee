#include "help/help_actions.h"

#include "engine/form.h"
#include "engine/platform.h"
#include "help/help_state.h"

namespace velmor {

std::string helpFilePath(Platform& platform) {
    const std::string folder = platform.programFolder() + "/";
    std::string language = platform.language();
    // "de_AT" falls back to "de", as the catalogues do.
    while (!language.empty()) {
        const std::string localized = folder + "calculator_" + language + ".hlp";
        if (platform.fileExists(localized)) return localized;
        const auto region = language.rfind('_');
        language.resize(region == std::string::npos ? 0 : region);
    }
    return folder + kHelpFileName;
}

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
        form.platform.openHelpViewer(helpFilePath(form.platform), 1);
    });
    table.onMenu(Menu::WhatsThisMode, [](Form& form) { form.platform.enterWhatsThisMode(); });
}

}  // namespace velmor
