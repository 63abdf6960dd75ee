// The window system's close request (the close box, Alt+F4), sent to a window
// the way the window system sends it, for the window tests and the monkey.
#pragma once

class QWidget;

namespace velmor::testing {

// On X11: a WM_DELETE_WINDOW message sent through the X server from a connection
// of its own, as a window manager sends it; Qt then handles it as any request
// from outside, modal windows included. Elsewhere (offscreen): the close event
// the platform hands to the window.
void requestClose(QWidget& window);

}  // namespace velmor::testing
