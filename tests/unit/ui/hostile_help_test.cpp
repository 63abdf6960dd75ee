// Whatever a help topic holds, its pop-up stays a pop-up that fits on the
// screen, and the help window shows a bounded page of it, in bounded memory.
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QWhatsThis>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

#include "support/temp_folder.h"
#include "app/ui/help_viewer.h"
#include "qt_window.h"

namespace velmor::testing {
namespace {

namespace fs = std::filesystem;

// The desktop platform, reading its help file from a folder of the test's own.
class PlatformWithHelpFolder : public QtPlatform {
public:
    std::string folder;
    std::string programFolder() override { return folder; }
};

struct HelpWindow {
    QApplication& app = qtApp();
    PlatformWithHelpFolder platform;
    Calculator calc{platform};
    MainWindow window{calc};
};

struct HostileTopic {
    const char* what;
    std::string file;  // topic 7 is the one shown
};

std::string repeated(const std::string& piece, std::size_t times) {
    std::string out;
    out.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) out += piece;
    return out;
}

const std::string kWord(400000, 'x');

const HostileTopic kTopics[] = {
    {"one 400,000-character word", "@popup 7 Digit keys\n" + kWord + "\n"},
    {"400,000 characters of short words", "@popup 7 Digit keys\n" + repeated("ab ", 133334) + "\n"},
    {"100,000 lines", "@popup 7 Digit keys\n" + repeated("line\n", 100000)},
    {"100,000 paragraphs", "@popup 7 Digit keys\n" + repeated("p\n\n", 100000)},
    {"a 400,000-character title", "@popup 7 " + kWord + "\ntext\n"},
    {"a link to a topic with a 400,000-character title", "@popup 7 Digit keys\nSee [[8]].\n@popup 8 " + kWord + "\nx\n"},
    {"20,000 links to a topic with a 400,000-character title",
     "@popup 7 Digit keys\n" + repeated("[[8]] ", 20000) + "\n@popup 8 " + kWord + "\nx\n"},
    {"3,000,000 subheadings, nearly the largest file read", "@popup 7 Digit keys\n" + repeated("== h\n", 3000000)},
};

QWidget* visiblePopup() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->inherits("QWhatsThat")) return w;
    return nullptr;
}

class HostileHelp : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = velmor::testing::testFolder("hostile_help");
        w_.platform.folder = dir_.string();
        w_.platform.attach(&w_.window);
        w_.window.show();
    }
    void TearDown() override {
        QWhatsThis::hideText();
        fs::remove_all(dir_, ignored_);
    }
    void writeHelp(const std::string& text) const { std::ofstream(dir_ / "calculator.hlp", std::ios::binary) << text; }

    HelpWindow w_;
    fs::path dir_;
    std::error_code ignored_;
};

TEST_F(HostileHelp, PopupFitsOnTheScreenWhateverTheTopicHolds) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (const HostileTopic& topic : kTopics) {
        SCOPED_TRACE(topic.what);
        writeHelp(topic.file);
        w_.window.widgetFor(digitKey(7))->setFocus();
        w_.platform.showPopupTopic(7, digitKey(7));
        QWidget* popup = visiblePopup();
        ASSERT_NE(popup, nullptr);
        EXPECT_LE(popup->width(), screen.width());
        EXPECT_LE(popup->height(), screen.height());
        QWhatsThis::hideText();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// The process's peak resident memory so far, in kilobytes.
long peakResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string field;
    long kilobytes = 0;
    while (status >> field)
        if (field == "VmHWM:") status >> kilobytes;
    return kilobytes;
}

TEST_F(HostileHelp, HelpWindowKeepsItsSizeAndWrapsAPageInBoundedMemory) {
    const long peakBefore = peakResidentKilobytes();
    for (const HostileTopic& topic : kTopics) {
        SCOPED_TRACE(topic.what);
        writeHelp(topic.file);
        w_.platform.openHelpViewer((dir_ / "calculator.hlp").string(), 1);
        HelpViewer* viewer = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* found = qobject_cast<HelpViewer*>(top)) viewer = found;
        ASSERT_NE(viewer, nullptr);
        const QSize size = viewer->size();
        viewer->showTopic((dir_ / "calculator.hlp").string(), TopicKind::Popup, 7);
        QCoreApplication::processEvents();
        EXPECT_EQ(viewer->size(), size);
        auto* browser = viewer->findChild<QTextBrowser*>();
        ASSERT_NE(browser, nullptr);
        EXPECT_EQ(browser->horizontalScrollBar()->maximum(), 0);  // long words wrap
    }
    // Laying out whole pages of such topics took gigabytes. The sanitizers keep
    // freed memory in quarantine, so there the figure is theirs, not the program's.
#ifndef VELMOR_SANITIZED
    EXPECT_LT(peakResidentKilobytes() - peakBefore, 100 * 1024);
#else
    static_cast<void>(peakBefore);
#endif
}

}  // namespace
}  // namespace velmor::testing
