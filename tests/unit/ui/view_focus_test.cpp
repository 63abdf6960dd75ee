// The views cut off groups of keys at the window's edge: Tab and Shift+Tab go
// round the keys the user can see, and a key out of sight takes no focus and so
// no key presses.
#include <QAction>
#include <QSet>
#include <QTest>
#include <gtest/gtest.h>

#include "qt_window.h"

namespace velmor::testing {
namespace {

const Menu kViews[] = {Menu::General, Menu::SuperScientific, Menu::StandardDeviation};

bool inView(const QtWindow& w, const QWidget* widget) {
    const QWidget* central = w.window.centralWidget();
    return central->rect().intersects(QRect(widget->mapTo(central, QPoint(0, 0)), widget->size()));
}

// The controls that focus visits from the 0 key with `key` pressed until it comes back.
QList<QWidget*> focusRound(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QList<QWidget*> visited;
    const QWidget* start = QApplication::focusWidget();
    for (int presses = 0; presses < 200; ++presses) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        if (QApplication::focusWidget() == start) return visited;
        visited << QApplication::focusWidget();
    }
    ADD_FAILURE() << "the focus did not come back to where it started";
    return visited;
}

class ViewFocus : public ::testing::Test {
protected:
    void SetUp() override {
        w_.platform.attach(&w_.window);
        w_.window.show();
        QApplication::setActiveWindow(&w_.window);
    }
    void showView(Menu view) {
        w_.window.actionFor(view)->trigger();
        w_.window.widgetFor(digitKey(0))->setFocus(Qt::OtherFocusReason);
    }
    QtWindow w_;
};

TEST_F(ViewFocus, TabAndShiftTabGoRoundTheKeysInSight) {
    for (Menu view : kViews) {
        SCOPED_TRACE(static_cast<int>(view));
        showView(view);
        const QList<QWidget*> forward = focusRound(Qt::Key_Tab);
        for (const QWidget* widget : forward) EXPECT_TRUE(inView(w_, widget)) << widget->objectName().toStdString();
        const QList<QWidget*> backward = focusRound(Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(QSet<QWidget*>(forward.begin(), forward.end()), QSet<QWidget*>(backward.begin(), backward.end()));
        EXPECT_GT(forward.size(), 20);  // the main keypad at least
    }
}

// Nor through the calculator, which gives a key the focus for its help.
TEST_F(ViewFocus, AKeyOutOfSightTakesNoFocusFromTheCalculator) {
    showView(Menu::General);
    QWidget* sec = w_.window.widgetFor(Ctl::Sec);
    ASSERT_FALSE(inView(w_, sec));
    w_.platform.setFocus(Ctl::Sec);
    EXPECT_EQ(QApplication::focusWidget(), w_.window.widgetFor(digitKey(0)));
}

TEST_F(ViewFocus, TheFocusOnAKeyThatGoesOutOfSightMovesToTheZeroKey) {
    showView(Menu::StandardDeviation);
    w_.window.widgetFor(Ctl::StatStart)->setFocus(Qt::OtherFocusReason);
    w_.window.actionFor(Menu::General)->trigger();
    EXPECT_EQ(QApplication::focusWidget(), w_.window.widgetFor(digitKey(0)));
    w_.window.actionFor(Menu::StandardDeviation)->trigger();  // back in sight: it takes the focus again
    w_.window.widgetFor(Ctl::StatStart)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(QApplication::focusWidget(), w_.window.widgetFor(Ctl::StatStart));
}

}  // namespace
}  // namespace velmor::testing
