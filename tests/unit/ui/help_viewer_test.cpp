// The help window goes back and forward through the pages shown, with the keys
// and mouse buttons of desktop help viewers.
#include <QTest>
#include <QTextBrowser>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

#include "app/ui/help_viewer.h"
#include "qt_window.h"
#include "support/temp_folder.h"

namespace velmor::testing {
namespace {

void mouseButton(QTextBrowser& browser, Qt::MouseButton button) {
    QTest::mousePress(browser.viewport(), button, Qt::NoModifier, QPoint(10, 10));
}

struct Turn {
    const char* what;
    std::function<void(QTextBrowser&)> press;
    bool back;
};

const Turn kTurns[] = {
    {"Alt+Left", [](QTextBrowser& b) { QTest::keyClick(&b, Qt::Key_Left, Qt::AltModifier); }, true},
    {"Backspace", [](QTextBrowser& b) { QTest::keyClick(&b, Qt::Key_Backspace); }, true},
    {"the mouse's back button", [](QTextBrowser& b) { mouseButton(b, Qt::BackButton); }, true},
    {"Alt+Right", [](QTextBrowser& b) { QTest::keyClick(&b, Qt::Key_Right, Qt::AltModifier); }, false},
    {"the mouse's forward button", [](QTextBrowser& b) { mouseButton(b, Qt::ForwardButton); }, false},
};

class HelpViewerPages : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = testFolder("viewer_pages");
        path_ = (dir_ / "calculator.hlp").string();
        std::ofstream(path_) << "@contents 1 Start\n[[7]]\n@popup 7 Seven\n[[8]]\n@popup 8 Eight\nx\n";
        viewer_.showTopic(path_, TopicKind::Contents, 1);
        viewer_.showTopic(path_, TopicKind::Popup, 7);
        viewer_.showTopic(path_, TopicKind::Popup, 8);
        browser_ = viewer_.findChild<QTextBrowser*>();
        // Keys reach the shortcuts of the active window only.
        QApplication::setActiveWindow(&viewer_);
        browser_->setFocus();
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    QString title() const { return browser_->toPlainText().section(QLatin1Char('\n'), 0, 0); }

    QApplication& app_ = qtApp();  // before any widget
    std::filesystem::path dir_;
    std::string path_;
    HelpViewer viewer_;
    QTextBrowser* browser_ = nullptr;
};

// Three pages shown: Start, Seven, Eight. Each input turns one page, and does
// nothing at the end of the pages.
TEST_F(HelpViewerPages, EachInputTurnsOnePageUntilTheEnd) {
    for (const Turn& turn : kTurns) {
        SCOPED_TRACE(turn.what);
        const auto toEnd = turn.back ? &HelpViewer::forward : &HelpViewer::back;
        (viewer_.*toEnd)();
        (viewer_.*toEnd)();
        turn.press(*browser_);
        EXPECT_EQ(title(), QStringLiteral("Seven"));
        turn.press(*browser_);
        turn.press(*browser_);
        EXPECT_EQ(title(), turn.back ? QStringLiteral("Start") : QStringLiteral("Eight"));
    }
}

TEST_F(HelpViewerPages, ANewPageAfterGoingBackForgetsThePagesAhead) {
    viewer_.back();
    viewer_.back();
    viewer_.showTopic(path_, TopicKind::Popup, 8);
    viewer_.forward();
    EXPECT_EQ(title(), QStringLiteral("Eight"));
    viewer_.back();
    EXPECT_EQ(title(), QStringLiteral("Start"));
}

}  // namespace
}  // namespace velmor::testing
