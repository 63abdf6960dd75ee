// "What is this?" help, help topics and the platform's context-help mode.
#pragma once

#include <string>

#include "engine/actions.h"

namespace velmor {

struct Form;

// The help file, in the program's folder; the pop-up topics and the help viewer share it.
// A language has its own beside it, calculator_de.hlp for German.
inline constexpr const char* kHelpFileName = "calculator.hlp";

class Platform;

// The help file in the user's language (the language of the loaded catalogue),
// or the English one where that language has none.
std::string helpFilePath(Platform& platform);

void registerHelpActions(ActionTable& table);

// The right-button help shared by the controls that offer "What is this?": nothing
// unless `buttons` is exactly the right button, else showWhatIsThis.
void whatIsThis(Form& form, Ctl control, int buttons);
// The steps themselves: focus to the control, the one-item pop-up menu (its
// answer does not matter), then an F1 queued for the control once the menu is gone.
void showWhatIsThis(Form& form, Ctl control);
// F1 on the focused control, or a click on it in context-help mode: its pop-up
// topic, if it has a help number.
void contextHelp(Form& form, Ctl control);

}  // namespace velmor
