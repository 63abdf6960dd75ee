#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

#include "help/help_state.h"
#include "qt_window.h"

namespace velmor::testing {
namespace {

QRadioButton* radio(QtWindow& w, Ctl option) { return qobject_cast<QRadioButton*>(w.window.widgetFor(option)); }

void accessibleAction(QWidget* widget, const QString& action) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    ASSERT_TRUE(iface && iface->actionInterface());
    iface->actionInterface()->doAction(action);
}

// Every way of choosing an option: the way, then the option it ends on.
struct Way {
    const char* name;
    std::function<void(QtWindow&, Ctl)> choose;
};

const Way kWays[] = {
    {"mouse click", [](QtWindow& w, Ctl o) { QTest::mouseClick(radio(w, o), Qt::LeftButton); }},
    {"Space", [](QtWindow& w, Ctl o) {
         radio(w, o)->setFocus();
         QTest::keyClick(radio(w, o), Qt::Key_Space);
     }},
    {"Toggle action", [](QtWindow& w, Ctl o) { accessibleAction(radio(w, o), QAccessibleActionInterface::toggleAction()); }},
    // The press action clicks after a short animation.
    {"Press action", [](QtWindow& w, Ctl o) {
         accessibleAction(radio(w, o), QAccessibleActionInterface::pressAction());
         (void)QTest::qWaitFor([&] { return !radio(w, o)->isDown(); }, 2000);
     }},
};

void showWindow(QtWindow& w) {
    w.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.window));
}

// Both the calculator and the window agree: `option` alone is selected in its frame.
void expectOnlySelected(QtWindow& w, Ctl option, const char* way) {
    const Ctl frame = tableRow(option).parent;
    for (const ControlRow& s : controlTable()) {
        if (s.kind != Kind::Option || s.parent != frame) continue;
        const bool expected = s.id == option;
        EXPECT_EQ(w.calc.form().isSelected(s.id), expected) << way << ": " << qualifiedName(s.id);
        EXPECT_EQ(radio(w, s.id)->isChecked(), expected) << way << ": " << qualifiedName(s.id);
    }
}

TEST(OptionGroups, ScreenReadersSeeRadioButtons) {
    QtWindow w;
    for (const ControlRow& s : controlTable()) {
        if (s.kind != Kind::Option) continue;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w.window.widgetFor(s.id));
        ASSERT_TRUE(iface);
        EXPECT_EQ(iface->role(), QAccessible::RadioButton) << qualifiedName(s.id);
        EXPECT_EQ(iface->state().checked, w.calc.form().isSelected(s.id)) << qualifiedName(s.id);
    }
}

// Choosing Hex with 255 on display converts it and enables A to F, whichever way it is chosen.
TEST(OptionGroups, EveryWayOfChoosingABaseChangesTheCalculator) {
    for (const Way& way : kWays) {
        QtWindow w;
        showWindow(w);
        for (int digit : {2, 5, 5}) w.calc.click(digitKey(digit));
        w.window.refresh();
        way.choose(w, baseOption(kHex));
        expectOnlySelected(w, baseOption(kHex), way.name);
        EXPECT_EQ(w.calc.form().display.text(), "FF") << way.name;
        EXPECT_TRUE(w.window.widgetFor(hexKey(0))->isEnabled()) << way.name;
        EXPECT_EQ(w.window.widgetFor(Ctl::Degrees)->accessibleName().toStdString(), "Double word") << way.name;

        way.choose(w, baseOption(kDec));
        expectOnlySelected(w, baseOption(kDec), way.name);
        EXPECT_EQ(w.calc.form().display.text(), "255") << way.name;
        EXPECT_FALSE(w.window.widgetFor(hexKey(0))->isEnabled()) << way.name;
    }
}

TEST(OptionGroups, EveryWayOfChoosingAnAngleUnitChangesTheCalculator) {
    for (const Way& way : kWays) {
        QtWindow w;
        showWindow(w);
        way.choose(w, Ctl::Radians);
        expectOnlySelected(w, Ctl::Radians, way.name);
        // The other frame keeps its own selection.
        expectOnlySelected(w, baseOption(kDec), way.name);
        w.calc.click(digitKey(1));
        w.calc.click(Ctl::Sin);  // Sin of 1 radian
        EXPECT_EQ(w.calc.form().display.text().substr(0, 8), "0.841470") << way.name;
    }
}

// A click on the option already selected is still a click: Hex chosen again
// returns to Dword, keeping the Byte value -128.
TEST(OptionGroups, AClickOnTheSelectedOptionReachesTheCalculator) {
    for (const Way& way : {kWays[0], kWays[1], kWays[3]}) {
        QtWindow w;
        showWindow(w);
        w.calc.click(baseOption(kHex));
        w.calc.click(Ctl::Grads);  // Byte
        for (int digit : {8, 0}) w.calc.click(digitKey(digit));
        w.window.refresh();
        way.choose(w, baseOption(kHex));
        EXPECT_EQ(w.calc.form().display.text(), "FFFFFF80") << way.name;
        expectOnlySelected(w, baseOption(kHex), way.name);
        expectOnlySelected(w, Ctl::Degrees, way.name);
    }
}

// The arrow keys move through the group and select as they go.
TEST(OptionGroups, ArrowKeysSelectTheNextOption) {
    QtWindow w;
    showWindow(w);
    const std::pair<Qt::Key, Ctl> steps[] = {
        {Qt::Key_Right, baseOption(kOct)}, {Qt::Key_Right, baseOption(kBin)},
        {Qt::Key_Left, baseOption(kOct)},  {Qt::Key_Left, baseOption(kDec)},
        {Qt::Key_Left, baseOption(kHex)},
    };
    radio(w, baseOption(kDec))->setFocus();
    for (const auto& [key, expected] : steps) {
        QTest::keyClick(QApplication::focusWidget(), key);
        SCOPED_TRACE(qualifiedName(expected));
        EXPECT_EQ(QApplication::focusWidget(), radio(w, expected));
        expectOnlySelected(w, expected, "arrow key");
    }
    EXPECT_TRUE(w.window.widgetFor(hexKey(5))->isEnabled());
}

// While the About dialog is open the calculator takes no input; an option
// toggled by assistive technology then falls back to the calculator's choice.
TEST(OptionGroups, AToggleTheCalculatorRefusesIsUndone) {
    QtWindow w;
    showWindow(w);
    helpState(w.calc.form()).mainEnabled = false;
    w.window.widgetFor(baseOption(kBin))->setEnabled(true);
    radio(w, baseOption(kBin))->toggle();
    expectOnlySelected(w, baseOption(kDec), "refused toggle");
}

}  // namespace
}  // namespace velmor::testing
