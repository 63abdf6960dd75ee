// Keyboard dispatcher, mouse routing and the View menu of the main window.
#pragma once

#include "engine/actions.h"

namespace velmor {

struct Form;

// Mouse button codes, combined when several are held.
enum MouseButton : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };

// Maps a typed character to a key action; true when a row matched.
bool dispatchKey(Form& form, int keyAscii);
// Routes a mouse-button press or a mouse move of a control to its help.
void routeMousePress(Form& form, Ctl control, int button);
void routeMouseMove(Form& form, Ctl control, int buttons);

void registerViewMenu(ActionTable& table);

}  // namespace velmor
