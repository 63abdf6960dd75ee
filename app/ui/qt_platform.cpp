#include "app/ui/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QWhatsThis>

#include "app/ui/main_window.h"

namespace velmor {

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

void QtPlatform::messageBox(const std::string& text, MsgIcon icon) {
    QMessageBox box(icon == MsgIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon,
                    QStringLiteral("Calculator"), QString::fromStdString(text), QMessageBox::Ok,
                    window_);
    box.exec();
}

bool QtPlatform::setClipboardText(const std::string& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return false;
    clipboard->setText(QString::fromStdString(text));
    return true;
}

std::optional<std::string> QtPlatform::clipboardText() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return std::nullopt;
    return clipboard->text().toStdString();
}

void QtPlatform::setFocus(Ctl control) {
    if (QWidget* w = window_ ? window_->widgetFor(control) : nullptr) w->setFocus(Qt::OtherFocusReason);
}

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

void QtPlatform::showAboutDialog() {}
void QtPlatform::closeAboutDialog() {}

std::optional<std::uintptr_t> QtPlatform::regOpenKey(std::uint32_t, const std::string&, std::uint32_t) {
    return std::nullopt;
}

RegValue QtPlatform::regQueryValue(std::uintptr_t, const std::string&, std::uint32_t) {
    RegValue v;
    v.status = 2;
    return v;
}

void QtPlatform::regCloseKey(std::uintptr_t) {}

bool QtPlatform::fileExists(const std::string& path) { return QFileInfo::exists(QString::fromStdString(path)); }

bool QtPlatform::startProgram(const std::string& path) {
    return QProcess::startDetached(QString::fromStdString(path), {});
}

}  // namespace velmor
