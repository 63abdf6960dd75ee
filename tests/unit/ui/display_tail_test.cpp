// The display widget holds the end of a long display text; the calculator keeps all of it.
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "app/ui/display_tail.h"
#include "qt_window.h"

namespace velmor::testing {
namespace {

const QString kEllipsis(QChar(0x2026));
constexpr std::size_t kShown = kDisplayShownBytes;

TEST(DisplayWidgetText, ShortTextsWholeLongOnesAsTheirEnd) {
    EXPECT_EQ(displayWidgetText(""), "");
    EXPECT_EQ(displayWidgetText(std::string(kShown, '7')), QString(kShown, '7'));
    EXPECT_EQ(displayWidgetText("12" + std::string(kShown, '7')), kEllipsis + QString(kShown, '7'));
    // A cut inside a UTF-8 character moves on to the next whole one.
    EXPECT_EQ(displayWidgetText("1\xC3\xA9" + std::string(kShown - 1, '7')), kEllipsis + QString(kShown - 1, '7'));
    EXPECT_EQ(displayWidgetText("\xC3\xA9\xC3\xA9" + std::string(kShown - 2, '7')),
              kEllipsis + QStringLiteral("\u00e9") + QString(kShown - 2, '7'));
}

// On the real window: a megabyte pasted, then keys that append and remove.
TEST(DisplayWidgetText, TheWindowHoldsTheEndOfAPasteAndKeysWorkOnAllOfIt) {
    QtWindow w;
    w.platform.attach(&w.window);
    w.window.show();
    const std::string pasted = "12" + std::string(1 << 20, '3');
    QGuiApplication::clipboard()->setText(QString::fromStdString(pasted));
    w.window.actionFor(Menu::Paste)->trigger();
    const std::string& display = w.calc.form().display.text();
    EXPECT_EQ(display.size(), pasted.size());
    auto* edit = static_cast<QLineEdit*>(w.window.widgetFor(Ctl::Display));
    EXPECT_EQ(edit->text(), kEllipsis + QString(kShown, '3'));

    QWidget* five = w.window.widgetFor(digitKey(5));
    QTest::keyClick(five, Qt::Key_5);
    EXPECT_EQ(display.size(), pasted.size() + 1);
    EXPECT_TRUE(display.starts_with("123") && display.ends_with("35"));
    EXPECT_EQ(edit->text(), kEllipsis + QString(kShown - 1, '3') + '5');

    QTest::keyClick(five, Qt::Key_Backspace);
    QTest::keyClick(five, Qt::Key_Backspace);
    EXPECT_EQ(display.size(), pasted.size() - 1);
    EXPECT_TRUE(display.starts_with("123"));
}

}  // namespace
}  // namespace velmor::testing
