#include <QAction>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

#include "qt_window.h"

namespace velmor::testing {
namespace {

struct MenuKey {
    Menu menu;
    const char* caption;  // as the menu bar holds it, access key marked
    Qt::Key letter;
};

const MenuKey kMenuKeys[] = {
    {Menu::Edit, "&Edit", Qt::Key_E},
    {Menu::View, "&View", Qt::Key_V},
    {Menu::Help, "&Help", Qt::Key_H},
};

void showActive(QtWindow& w) {
    w.window.show();
    w.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window));
}

void closePopups() {
    while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
}

TEST(MenuKeys, EveryMenuOnTheMenuBarHasAnAccessKey) {
    QtWindow w;
    for (const MenuKey& k : kMenuKeys) {
        const QString text = w.window.actionFor(k.menu)->text();
        EXPECT_EQ(text.toStdString(), k.caption);
        EXPECT_EQ(QKeySequence::mnemonic(text), QKeySequence(Qt::AltModifier | k.letter)) << k.caption;
    }
}

TEST(MenuKeys, AltAndTheLetterOpenTheMenu) {
    QtWindow w;
    showActive(w);
    for (const MenuKey& k : kMenuKeys) {
        QTest::keyClick(w.window.widgetFor(digitKey(5)), k.letter, Qt::AltModifier);
        EXPECT_EQ(QApplication::activePopupWidget(), w.window.actionFor(k.menu)->menu()) << k.caption;
        closePopups();
    }
    // The letter alone is still a key of the calculator (E is a hex digit only in Hex).
    QTest::keyClick(w.window.widgetFor(digitKey(5)), Qt::Key_5);
    EXPECT_EQ(w.calc.form().display.text(), "5");
}

TEST(MenuKeys, F10OpensTheFirstMenu) {
    QtWindow w;
    showActive(w);
    QTest::keyClick(w.window.widgetFor(Ctl::Display), Qt::Key_F10);
    EXPECT_EQ(QApplication::activePopupWidget(), w.window.actionFor(Menu::Edit)->menu());
    closePopups();
}

}  // namespace
}  // namespace velmor::testing
