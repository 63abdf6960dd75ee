#include "app/ui/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>

#include "app/ui/help_viewer.h"
#include "app/ui/main_window.h"

namespace velmor {

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

void QtPlatform::messageBox(const std::string& text, MsgIcon icon) {
    if (window_) window_->refresh();
    showMessageBox(text, icon);
}

void QtPlatform::showMessageBox(const std::string& text, MsgIcon icon) {
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

}  // namespace velmor
