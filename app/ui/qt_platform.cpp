#include "app/ui/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>

#include "app/ui/help_viewer.h"
#include "app/ui/main_window.h"
#include "app/ui/translations.h"
#include "engine/texts.h"

namespace velmor {

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

void QtPlatform::messageBox(const std::string& text, MsgIcon icon) {
    if (window_) window_->refresh();
    showMessageBox(text, icon);
}

void QtPlatform::showMessageBox(const std::string& text, MsgIcon icon) {
    QMessageBox box(icon == MsgIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon,
                    QString::fromStdString(translate(kAppTitle)), QString::fromStdString(text), QMessageBox::Ok,
                    window_);
    box.exec();
}

std::string QtPlatform::translate(Phrase phrase) { return translatedByQt(phrase); }

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

// A key the view has cut off takes no focus (MainWindow::keepFocusInView).
void QtPlatform::setFocus(Ctl control) {
    QWidget* w = window_ ? window_->widgetFor(control) : nullptr;
    if (w && w->focusPolicy() != Qt::NoFocus) w->setFocus(Qt::OtherFocusReason);
}

}  // namespace velmor
