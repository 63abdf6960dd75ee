#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QLineEdit>
#include <gtest/gtest.h>
#include <map>

#include "app/ui/accessible_names.h"
#include "qt_window.h"

namespace velmor::testing {
namespace {

// Controls a screen reader user reaches: every key, option button and text box.
bool isSpoken(const ControlRow& s) { return s.kind != Kind::Frame; }

QString spokenName(QWidget* widget) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name) : QString();
}

TEST(Accessibility, EveryControlOfTheWindowHasANameAndADescription) {
    QtWindow w;
    for (const ControlRow& s : controlTable()) {
        if (!isSpoken(s)) continue;
        QWidget* widget = w.window.widgetFor(s.id);
        SCOPED_TRACE(qualifiedName(s.id));
        EXPECT_FALSE(widget->accessibleName().isEmpty());
        EXPECT_FALSE(widget->accessibleDescription().isEmpty());
        // What the accessibility bridge hands to a screen reader, not the caption.
        EXPECT_EQ(spokenName(widget), widget->accessibleName());
    }
}

TEST(Accessibility, NamesAndDescriptionsTellDifferentControlsApart) {
    QtWindow w;
    std::map<QString, std::string> names;
    std::map<QString, std::string> descriptions;
    for (const ControlRow& s : controlTable()) {
        QWidget* widget = w.window.widgetFor(s.id);
        const std::string control = qualifiedName(s.id);
        const auto name = names.emplace(widget->accessibleName(), control);
        EXPECT_TRUE(name.second) << control << " and " << name.first->second << " share the name "
                                 << widget->accessibleName().toStdString();
        const auto description = descriptions.emplace(widget->accessibleDescription(), control);
        EXPECT_TRUE(description.second) << control << " and " << description.first->second
                                        << " share a description";
    }
}

// Widgets that are not in the control table would be missed by the table walk.
TEST(Accessibility, NoButtonOrTextBoxOfTheWindowIsLeftUnnamed) {
    QtWindow w;
    // The menu bar's own overflow button is Qt's, not one of the calculator's controls.
    const auto buttons = w.window.centralWidget()->findChildren<QAbstractButton*>();
    const auto edits = w.window.centralWidget()->findChildren<QLineEdit*>();
    EXPECT_GE(buttons.size() + edits.size(), 100);
    for (QAbstractButton* button : buttons)
        EXPECT_FALSE(button->accessibleName().isEmpty()) << button->objectName().toStdString();
    for (QLineEdit* edit : edits)
        EXPECT_FALSE(edit->accessibleName().isEmpty()) << edit->objectName().toStdString();
}

TEST(Accessibility, KeysAreNamedByWhatTheyDoNotByTheirCaption) {
    QtWindow w;
    const std::pair<Ctl, const char*> cases[] = {
        {Ctl::Display, "Display"},          {Ctl::Sin, "Sine"},
        {Ctl::MemoryRecall, "Memory recall"}, {baseOption(kHex), "Hexadecimal"},
        {digitKey(7), "Seven"},              {operatorKey(kOpMul), "Multiply"},
        {Ctl::SquareRoot, "Square root"},    {Ctl::Pi, "Pi"},
        {functionKey(8), "Inverse cotangent"}, {functionKey(20), "Inverse hyperbolic cotangent"},
        {Ctl::StatMean, "Mean"},           {Ctl::StatPopulationDeviation, "Population standard deviation"},
        {Ctl::Next, "Next operand"},   {Ctl::StatNext, "Next statistics value"},
    };
    for (const auto& [control, name] : cases)
        EXPECT_EQ(w.window.widgetFor(control)->accessibleName().toStdString(), name) << qualifiedName(control);
}

// In a base other than decimal the angle-unit buttons select the word size,
// and a screen reader must say so.
TEST(Accessibility, AngleUnitButtonsAreRenamedWhileTheySelectAWordSize) {
    QtWindow w;
    const std::pair<Ctl, std::pair<const char*, const char*>> cases[] = {
        {Ctl::Degrees, {"Degrees", "Double word"}},
        {Ctl::Radians, {"Radians", "Word"}},
        {Ctl::Grads, {"Grads", "Byte"}},
    };
    auto nameOf = [&](Ctl c) { return w.window.widgetFor(c)->accessibleName().toStdString(); };
    for (const auto& [control, names] : cases) EXPECT_EQ(nameOf(control), names.first);

    for (int base : {kHex, kOct, kBin}) {
        w.calc.click(baseOption(base));
        w.window.refresh();
        for (const auto& [control, names] : cases) EXPECT_EQ(nameOf(control), names.second) << "base " << base;
    }

    w.calc.click(baseOption(kDec));
    w.window.refresh();
    for (const auto& [control, names] : cases) EXPECT_EQ(nameOf(control), names.first);
}

}  // namespace
}  // namespace velmor::testing
