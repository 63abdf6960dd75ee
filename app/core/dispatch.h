// Keyboard dispatcher, mouse routing and the View menu of the main window.
#pragma once

#include <optional>

#include "engine/actions.h"

namespace velmor {

struct Form;

// Mouse button codes, combined when several are held.
enum MouseButton : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };

// The key a typed character works, if any.
std::optional<Ctl> keyOfCharacter(const Form& form, int keyAscii);
// Whether characters typed while `control` has the focus go to dispatchKey (the
// work text boxes keep theirs to themselves).
bool routesKeys(Ctl control);
// Routes a mouse-button press or a mouse move of a control to its help.
void routeMousePress(Form& form, Ctl control, int button);
void routeMouseMove(Form& form, Ctl control, int buttons);
// F1 while `control` has the focus: its pop-up topic, for the role it has now.
void routeHelpKey(Form& form, Ctl control);
// A click on `control` in the platform's context-help mode: its pop-up topic.
void routeWhatsThisClick(Form& form, Ctl control);

void registerViewMenu(ActionTable& table);

}  // namespace velmor
