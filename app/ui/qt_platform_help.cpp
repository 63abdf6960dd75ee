// "What is this?" help, the context-help mode and the help viewer on the desktop.
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QWhatsThis>

#include "app/ui/help_location.h"
#include "app/ui/help_viewer.h"
#include "app/ui/main_window.h"
#include "app/ui/qt_platform.h"
#include "app/ui/spoken_help.h"
#include "app/ui/translations.h"
#include "help/help_actions.h"
#include "help/help_html.h"

namespace velmor {

void QtPlatform::popupWhatsThisMenu() {
    // Built from the menu table's rows, as the window's own menus are.
    const MenuRow& popup = tableRow(Menu::WhatIsThisPopup);
    const MenuRow& item = tableRow(Menu::WhatIsThis);
    QMenu menu(window_);
    menu.setObjectName(QString::fromUtf8(popup.name.data(), popup.name.size()));
    menu.addAction(translatedText("Menu", item.caption))
        ->setObjectName(QString::fromUtf8(item.name.data(), item.name.size()));
    menu.exec(QCursor::pos());
}

// The F1 goes to the control that now has the focus and is handled after the
// current mouse handler has returned, like a key the user pressed.
void QtPlatform::queueHelpKey() {
    QWidget* target = QApplication::focusWidget();
    if (!target && window_) target = window_->focusWidget();
    if (!target) target = window_;
    if (!target) return;
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier));
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, Qt::Key_F1, Qt::NoModifier));
}

void QtPlatform::showPopupTopic(int topic, Ctl control) {
    // An F1 queued just before the main window closed finds a program on its way
    // out: no pop-up for a control of a window that is gone.
    if (window_ && window_->hasClosed()) return;
    QWidget* w = window_ ? window_->widgetFor(control) : nullptr;
    const QPoint at = w && w->isVisible() ? w->mapToGlobal(w->rect().center()) : QCursor::pos();
    const std::string html = popupHtml(helpFilePath(*this), topic, translatedByQt);
    QWhatsThis::showText(at, QString::fromStdString(html), w);
    speakHelpTopic(w, QString::fromStdString(html));
}

void QtPlatform::enterWhatsThisMode() { QWhatsThis::enterWhatsThisMode(); }

// The viewer is made on first use, so start-up does not pay for it.
void QtPlatform::openHelpViewer(const std::string& path, int topic) {
    if (window_ && window_->hasClosed()) return;  // as for the About dialog: the program is ending
    if (!helpViewer_) helpViewer_ = std::make_unique<HelpViewer>();
    helpViewer_->showTopic(path, TopicKind::Contents, topic);
}

// The help commands join the help file's name to this folder.
std::string QtPlatform::programFolder() {
    return helpFolder(QCoreApplication::applicationDirPath()).toStdString();
}

}  // namespace velmor
