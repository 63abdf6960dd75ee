// "What is this?" help, help topics and the About dialog.
#pragma once

#include "engine/actions.h"

namespace velmor {

struct Form;

void registerHelpActions(ActionTable& table);

// Right-button handling shared by every control that offers "What is this?":
// focus, the one-item pop-up menu, then a queued F1.
void whatIsThis(Form& form, Ctl control, int buttons);
// F1 on the focused control: its pop-up topic.
void contextHelp(Form& form, Ctl control);

}  // namespace velmor
