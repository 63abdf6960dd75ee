#include <QAccessible>
#include <QLabel>
#include <QPalette>
#include <QTest>
#include <gtest/gtest.h>

#include "app/ui/about_dialog.h"
#include "qt_window.h"

namespace velmor::testing {
namespace {

QWidget* openAbout(QtWindow& w) {
    w.platform.attach(&w.window);
    w.calc.menu(Menu::AboutCalculator);
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QStringLiteral("frmAbout") && top->isVisible()) return top;
    return nullptr;
}

QPalette darkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(40, 40, 40));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(25, 25, 25));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Button, QColor(55, 55, 55));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    return dark;
}

// Every label of the dialog writes in the palette's text colour, light or dark.
TEST(AboutLook, LabelsUseThePalettesTextColour) {
    const QPalette original = QApplication::palette();
    for (const QPalette& palette : {original, darkPalette()}) {
        QApplication::setPalette(palette);
        QtWindow w;
        QWidget* about = openAbout(w);
        ASSERT_TRUE(about);
        const auto labels = about->findChildren<QLabel*>();
        int texts = 0;
        for (QLabel* label : labels) {
            if (label->text().isEmpty()) continue;  // the icon
            ++texts;
            EXPECT_EQ(label->palette().color(QPalette::WindowText), palette.color(QPalette::WindowText))
                << label->objectName().toStdString();
        }
        EXPECT_EQ(texts, 4);
        about->close();
    }
    QApplication::setPalette(original);
    EXPECT_EQ(original.color(QPalette::WindowText), QColor(Qt::black));
}

// Every Tab stop of the dialog has a name a screen reader can say.
TEST(AboutLook, EveryTabStopIsNamed) {
    QtWindow w;
    QWidget* about = openAbout(w);
    ASSERT_TRUE(about);
    int stops = 0;
    for (QWidget* child : about->findChildren<QWidget*>()) {
        if (!(child->focusPolicy() & Qt::TabFocus)) continue;
        ++stops;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(child);
        ASSERT_TRUE(iface);
        EXPECT_FALSE(iface->text(QAccessible::Name).isEmpty()) << child->objectName().toStdString();
    }
    EXPECT_EQ(stops, 3);  // icon, OK, System Info...
    about->close();
}

// The icon is a Tab stop, so it shows when it has the focus.
TEST(AboutLook, TheIconShowsItsFocus) {
    QtWindow w;
    QWidget* about = openAbout(w);
    ASSERT_TRUE(about);
    auto* icon = about->findChild<QWidget*>(QStringLiteral("picIcon"));
    ASSERT_TRUE(icon);
    QApplication::setActiveWindow(about);
    const QImage unfocused = icon->grab().toImage();
    for (int tabs = 0; tabs < 10 && !icon->hasFocus(); ++tabs) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(icon->hasFocus());
    EXPECT_NE(icon->grab().toImage(), unfocused);
}

}  // namespace
}  // namespace velmor::testing
