#include "window_system/close_request.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

// After Qt's headers: Xlib defines names such as None and Bool as macros.
#include <X11/Xlib.h>

namespace velmor::testing {
namespace {

// A window may be gone by the time the server gets the message; that is no error of the test's.
int ignoreErrors(Display*, XErrorEvent*) { return 0; }

bool sendDeleteWindow(unsigned long window) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return false;
    const auto previousHandler = XSetErrorHandler(ignoreErrors);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const bool sent = XSendEvent(display, window, False, NoEventMask, &event) != 0;
    XSync(display, False);  // the request reaches the server, and any error is taken here
    XCloseDisplay(display);
    XSetErrorHandler(previousHandler);
    return sent;
}

}  // namespace

void requestClose(QWidget& window) {
    if (QGuiApplication::platformName() == QLatin1String("xcb") && window.windowHandle() &&
        sendDeleteWindow(window.windowHandle()->winId()))
        return;
    QCloseEvent close;
    QCoreApplication::sendEvent(window.windowHandle(), &close);
}

}  // namespace velmor::testing
