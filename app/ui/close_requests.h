// The window manager's close request for the main window, honoured in every
// state. Qt drops the request for a window that a modal window blocks (a message
// box over the main window or over the About dialog), yet closing the main
// window must end the program whatever is open. This filter takes the request
// from the window system before Qt drops it and closes the main window as Qt
// does for a window that is not blocked. X11 only: elsewhere it does nothing.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QPointer>
#include <cstdint>

class QWidget;

namespace velmor {

class CloseRequests : public QAbstractNativeEventFilter {
public:
    explicit CloseRequests(QWidget* window);
    ~CloseRequests() override;
    CloseRequests(const CloseRequests&) = delete;
    CloseRequests& operator=(const CloseRequests&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    bool isCloseRequestForWindow(const void* event) const;

    QPointer<QWidget> window_;
    std::uint32_t protocolsAtom_ = 0;  // WM_PROTOCOLS
    std::uint32_t deleteAtom_ = 0;     // WM_DELETE_WINDOW
};

}  // namespace velmor
