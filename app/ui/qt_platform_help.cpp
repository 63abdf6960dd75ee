// "What is this?" help and the help viewer on the desktop.
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QWhatsThis>

#include "app/ui/main_window.h"
#include "app/ui/qt_platform.h"

namespace velmor {

void QtPlatform::popupWhatsThisMenu() {
    QMenu menu(window_);
    menu.addAction(QStringLiteral("What is this?"));
    menu.exec(QCursor::pos());
}

void QtPlatform::queueHelpKey() {
    QWidget* target = QApplication::focusWidget();
    if (!target) target = window_;
    if (!target) return;
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier));
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, Qt::Key_F1, Qt::NoModifier));
}

void QtPlatform::showPopupTopic(int topic, Ctl control) {
    QWidget* w = window_ ? window_->widgetFor(control) : nullptr;
    const QPoint at = w ? w->mapToGlobal(w->rect().center()) : QCursor::pos();
    QWhatsThis::showText(at, QStringLiteral("Help topic %1").arg(topic), w);
}

void QtPlatform::openHelpViewer(const std::string&, int) {}

std::string QtPlatform::programFolder() { return QCoreApplication::applicationDirPath().toStdString(); }

}  // namespace velmor
