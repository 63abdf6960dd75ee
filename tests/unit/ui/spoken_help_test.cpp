#include <QAccessible>
#include <QTest>
#include <gtest/gtest.h>

#include "qt_window.h"

namespace velmor::testing {
namespace {

QString description(QWidget* widget) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Description) : QString();
}

// F1 on a control -> the start of the topic text its description reads while the pop-up shows.
struct Case {
    Ctl control;
    const char* topicText;
};

const Case kCases[] = {
    {digitKey(7), "Types the digit at the end of the display."},
    {Ctl::Degrees, "Angles are in degrees (a full turn is 360)."},
    {Ctl::Display, ""},  // any topic: the display's own description must give way to it
};

TEST(SpokenHelp, TheTopicOnShowIsTheControlsDescriptionUntilThePopupCloses) {
    QtWindow w;
    w.platform.attach(&w.window);
    w.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.window));
    for (const Case& c : kCases) {
        SCOPED_TRACE(qualifiedName(c.control));
        QWidget* control = w.window.widgetFor(c.control);
        const QString own = description(control);
        control->setFocus();
        QTest::keyClick(control, Qt::Key_F1);
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_TRUE(popup);
        const QString spoken = description(control);
        EXPECT_NE(spoken, own);
        EXPECT_TRUE(spoken.contains(QString::fromUtf8(c.topicText))) << spoken.toStdString();
        // The pop-up itself is named and says the same.
        QAccessibleInterface* popupIface = QAccessible::queryAccessibleInterface(popup);
        ASSERT_TRUE(popupIface);
        EXPECT_EQ(popupIface->text(QAccessible::Name), QStringLiteral("What is this?"));
        EXPECT_EQ(popupIface->text(QAccessible::Description), spoken);

        popup->close();
        EXPECT_TRUE(QTest::qWaitFor([&] { return description(control) == own; }, 2000))
            << description(control).toStdString();
    }
}

// A second topic shown before the first pop-up closes gives the first control its description back.
TEST(SpokenHelp, ANewTopicRestoresThePreviousControl) {
    QtWindow w;
    w.platform.attach(&w.window);
    w.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.window));
    QWidget* seven = w.window.widgetFor(digitKey(7));
    QWidget* plus = w.window.widgetFor(operatorKey(kOpAdd));
    const QString sevenOwn = description(seven);
    const QString plusOwn = description(plus);
    w.platform.showPopupTopic(7, digitKey(7));
    w.platform.showPopupTopic(2, operatorKey(kOpAdd));
    EXPECT_EQ(description(seven), sevenOwn);
    EXPECT_NE(description(plus), plusOwn);
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
}

}  // namespace
}  // namespace velmor::testing
