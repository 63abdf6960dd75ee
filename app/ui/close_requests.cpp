#include "app/ui/close_requests.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <cstring>

#if QT_CONFIG(xcb) && defined(VELMOR_HAVE_XCB)
#define VELMOR_X11_CLOSE_REQUESTS 1
#include <xcb/xcb.h>
#endif

namespace velmor {

#ifdef VELMOR_X11_CLOSE_REQUESTS
namespace {

std::uint32_t internAtom(xcb_connection_t* connection, const char* name) {
    const auto cookie = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    if (!reply) return 0;
    const std::uint32_t atom = reply->atom;
    std::free(reply);
    return atom;
}

// Whether a modal window other than `window` blocks it: then Qt drops its close request.
bool blockedByModalWindow(const QWindow* window) {
    const QWindow* modal = QGuiApplication::modalWindow();
    return modal && modal != window;
}

}  // namespace

CloseRequests::CloseRequests(QWidget* window) : window_(window) {
    // The offscreen platform offers the X11 interface too, without a connection.
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) return;
    protocolsAtom_ = internAtom(x11->connection(), "WM_PROTOCOLS");
    deleteAtom_ = internAtom(x11->connection(), "WM_DELETE_WINDOW");
    if (protocolsAtom_ && deleteAtom_) QCoreApplication::instance()->installNativeEventFilter(this);
}

CloseRequests::~CloseRequests() {
    if (QCoreApplication::instance()) QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool CloseRequests::isCloseRequestForWindow(const void* message) const {
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE) return false;
    const auto* client = static_cast<const xcb_client_message_event_t*>(message);
    if (client->format != 32 || client->type != protocolsAtom_ || client->data.data32[0] != deleteAtom_) return false;
    const QWindow* handle = window_ ? window_->windowHandle() : nullptr;
    return handle && handle->handle() && client->window == handle->winId();
}

bool CloseRequests::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t" || !isCloseRequestForWindow(message)) return false;
    if (!blockedByModalWindow(window_->windowHandle())) return false;  // Qt delivers it itself
    // Closed once the window system's event is handled, not from inside its dispatch.
    QMetaObject::invokeMethod(
        window_,
        [window = window_] {
            if (!window || !window->windowHandle()) return;
            QCloseEvent close;
            QCoreApplication::sendEvent(window->windowHandle(), &close);
        },
        Qt::QueuedConnection);
    return true;
}

#else  // no X11: the platform's own close handling stands

CloseRequests::CloseRequests(QWidget* window) : window_(window) {}
CloseRequests::~CloseRequests() = default;
bool CloseRequests::isCloseRequestForWindow(const void*) const { return false; }
bool CloseRequests::nativeEventFilter(const QByteArray&, void*, qintptr*) { return false; }

#endif

}  // namespace velmor
