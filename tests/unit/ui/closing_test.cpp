// Closing the main window ends the program, whatever else is open at the time.
#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QPointer>
#include <QTimer>
#include <QWhatsThis>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>

#include "qt_window.h"
#include "window_system/close_request.h"

namespace velmor::testing {
namespace {

struct OpenState {
    const char* name;
    std::function<void(QtWindow&)> enter;       // may run a nested event loop and not return
    std::function<bool(QtWindow&)> isEntered;   // checked just before the close
};

void click(QtWindow& w, Ctl control) {
    static_cast<QAbstractButton*>(w.window.widgetFor(control))->click();
}

bool visibleTopLevel(const char* name) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->objectName() == QLatin1String(name)) return true;
    return false;
}

bool visibleWindowOfClass(const char* className) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->inherits(className)) return true;
    return false;
}

QStringList visibleTopLevels() {
    QStringList names;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible()) names << widget->metaObject()->className() + QStringLiteral(" ") + widget->objectName();
    return names;
}


const OpenState kStates[] = {
    {"nothing else open", [](QtWindow&) {}, [](QtWindow& w) { return w.window.isVisible(); }},
    {"About dialog", [](QtWindow& w) { w.window.actionFor(Menu::AboutCalculator)->trigger(); },
     [](QtWindow&) { return visibleTopLevel("frmAbout"); }},
    {"help viewer", [](QtWindow& w) { w.window.actionFor(Menu::HelpTopics)->trigger(); },
     [](QtWindow&) { return visibleTopLevel("helpViewer"); }},
    {"help viewer and About dialog",
     [](QtWindow& w) {
         w.window.actionFor(Menu::HelpTopics)->trigger();
         w.window.actionFor(Menu::AboutCalculator)->trigger();
     },
     [](QtWindow&) { return visibleTopLevel("helpViewer") && visibleTopLevel("frmAbout"); }},
    {"message box",  // "x-bar" on an empty statistics list
     [](QtWindow& w) {
         click(w, Ctl::StatStart);
         click(w, Ctl::StatMean);
     },
     [](QtWindow&) { return visibleWindowOfClass("QMessageBox"); }},
    {"message box over the About dialog",  // "System Info..." finds no tool here
     [](QtWindow& w) {
         w.window.actionFor(Menu::AboutCalculator)->trigger();
         for (QWidget* widget : QApplication::topLevelWidgets())
             if (auto* info = widget->findChild<QAbstractButton*>(QStringLiteral("cmdSysInfo"))) info->click();
     },
     [](QtWindow&) { return visibleWindowOfClass("QMessageBox") && visibleTopLevel("frmAbout"); }},
    {"What's This mode", [](QtWindow& w) { w.window.actionFor(Menu::WhatsThisMode)->trigger(); },
     [](QtWindow&) { return QWhatsThis::inWhatsThisMode(); }},
    {"What's This pop-up",
     [](QtWindow& w) {
         w.window.widgetFor(digitKey(7))->setFocus();
         w.platform.showPopupTopic(7, digitKey(7));
     },
     [](QtWindow&) { return visibleWindowOfClass("QWhatsThat"); }},
    {"\"What is this?\" menu", [](QtWindow& w) { w.platform.popupWhatsThisMenu(); },
     [](QtWindow&) { return visibleTopLevel("whatisthis"); }},
};

TEST(ClosingTheMainWindow, EndsTheEventLoopFromEveryState) {
    for (const OpenState& state : kStates) {
        SCOPED_TRACE(state.name);
        QtWindow w;
        w.platform.attach(&w.window);
        w.window.show();
        bool entered = false;
        bool timedOut = false;
        QObject timers;  // ends this case's timers with it
        QTimer::singleShot(0, &timers, [&] { state.enter(w); });
        QTimer::singleShot(200, &timers, [&] {
            entered = state.isEntered(w);
            requestClose(w.window);
        });
        QTimer::singleShot(5000, &timers, [&] {
            timedOut = true;
            QCoreApplication::exit(3);
        });
        const int code = QApplication::exec();
        EXPECT_TRUE(entered);
        EXPECT_FALSE(timedOut) << "still open: " << visibleTopLevels().join(QStringLiteral(", ")).toStdString();
        EXPECT_EQ(code, 0);
        EXPECT_TRUE(visibleTopLevels().isEmpty()) << visibleTopLevels().join(QStringLiteral(", ")).toStdString();
        // Whatever a failed case left behind must not reach the next one.
        QWhatsThis::leaveWhatsThisMode();
        for (QWidget* widget : QApplication::topLevelWidgets()) widget->hide();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// A menu item can still fire after the main window closed (released on an open
// menu, for one): the window it asks for is not opened, and the program ends.
TEST(ClosingTheMainWindow, OpensNoWindowAskedForAfterTheClose) {
    QtWindow w;
    w.platform.attach(&w.window);
    w.window.show();
    bool timedOut = false;
    QObject timers;
    QTimer::singleShot(0, &timers, [&] {
        QCloseEvent close;  // at once, so the menu items below fire after it
        QCoreApplication::sendEvent(w.window.windowHandle(), &close);
        w.window.actionFor(Menu::AboutCalculator)->trigger();
        w.window.actionFor(Menu::HelpTopics)->trigger();
    });
    QTimer::singleShot(5000, &timers, [&] {
        timedOut = true;
        QCoreApplication::exit(3);
    });
    QApplication::exec();
    EXPECT_FALSE(timedOut) << "still open: " << visibleTopLevels().join(QStringLiteral(", ")).toStdString();
    EXPECT_TRUE(visibleTopLevels().isEmpty()) << visibleTopLevels().join(QStringLiteral(", ")).toStdString();
    for (QWidget* widget : QApplication::topLevelWidgets()) widget->hide();
}

// The close box of the dialog closes it like "OK", and says so to whoever asked:
// an application quitting stops at a window that refuses to close.
TEST(ClosingTheAboutDialog, AcceptsTheCloseAndGivesTheMainWindowBack) {
    QtWindow w;
    w.platform.attach(&w.window);
    w.window.show();
    w.window.actionFor(Menu::AboutCalculator)->trigger();
    QWidget* about = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->objectName() == QLatin1String("frmAbout")) about = widget;
    ASSERT_NE(about, nullptr);
    EXPECT_FALSE(w.window.isEnabled());
    QCloseEvent close;
    QCoreApplication::sendEvent(about->windowHandle(), &close);
    EXPECT_TRUE(close.isAccepted());
    EXPECT_FALSE(about->isVisible());
    EXPECT_TRUE(w.window.isEnabled());
}

// "System Info..." shows its message box from the dialog's own key; the dialog may
// be closed (and deleted) while the box waits. The sanitizer build catches a use of it.
TEST(ClosingTheAboutDialog, WhileItsMessageBoxWaitsLeavesNothingBehind) {
    QtWindow w;
    w.platform.attach(&w.window);
    w.window.show();
    w.window.actionFor(Menu::AboutCalculator)->trigger();
    QPointer<QWidget> about;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->objectName() == QLatin1String("frmAbout")) about = widget;
    ASSERT_TRUE(about);
    bool boxShown = false;
    QObject timers;
    QTimer::singleShot(50, &timers, [&] {
        boxShown = visibleWindowOfClass("QMessageBox");
        // As the main window's close closes it: the window system's own request
        // for the dialog is held back by the box, as for any blocked window.
        QCloseEvent close;
        QCoreApplication::sendEvent(about->windowHandle(), &close);
    });
    // The box's event loop goes on for a while (and deletes the closed dialog) before it is answered.
    QTimer::singleShot(150, &timers, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->isVisible() && widget->inherits("QMessageBox")) widget->close();
    });
    about->findChild<QAbstractButton*>(QStringLiteral("cmdSysInfo"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(boxShown);
    EXPECT_FALSE(about);
    EXPECT_TRUE(w.window.isEnabled());
}

}  // namespace
}  // namespace velmor::testing
