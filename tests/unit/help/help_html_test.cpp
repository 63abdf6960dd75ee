#include "help/help_html.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include <unistd.h>

namespace velmor {
namespace {

class HelpHtml : public ::testing::Test {
protected:
    void SetUp() override {
        // ctest runs each test as its own process, several at once: one file per test.
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = ::testing::TempDir() + "help_html_" + test->name() + "_" + std::to_string(getpid()) + ".hlp";
        std::ofstream(path_) << "@contents 1 Start\nIntro & more.\n== Keys\n- [[7]]\n- [[9|pi]]\nAfter.\n"
                                "@popup 7 Digits <0-9>\nType \"7\".\n";
    }
    void TearDown() override { std::remove(path_.c_str()); }
    std::string path_;
};

TEST_F(HelpHtml, PopupIsTitleAndEscapedTextWithoutLinks) {
    EXPECT_EQ(popupHtml(path_, 7), "<p><b>Digits &lt;0-9&gt;</b></p><p>Type &quot;7&quot;.</p>");
}

TEST_F(HelpHtml, ContentsPageLinksToPopupTopicsInAList) {
    EXPECT_EQ(viewerHtml(path_, TopicKind::Contents, 1),
              "<p><b>Start</b></p><p>Intro &amp; more.</p>"
              "<h4>Keys</h4><ul><li><a href=\"popup:7\">Digits &lt;0-9&gt;</a></li>"
              "<li><a href=\"popup:9\">pi</a></li></ul><p>After.</p>");
}

TEST_F(HelpHtml, PopupTopicInTheViewerLeadsBackToTheContents) {
    const std::string html = viewerHtml(path_, TopicKind::Popup, 7);
    EXPECT_TRUE(html.ends_with("<p><a href=\"contents:1\">Contents</a></p>")) << html;
}

TEST_F(HelpHtml, MissingTopicOrFileGivesAMessage) {
    EXPECT_EQ(popupHtml(path_, 12),
              "<p><b>Help topic not found</b></p><p>The help file &quot;" + path_ + "&quot; has no topic 12.</p>");
    EXPECT_NE(viewerHtml(path_, TopicKind::Contents, 2).find("has no topic 2."), std::string::npos);
    const std::string missing = viewerHtml("/nonexistent/calculator.hlp", TopicKind::Contents, 1);
    EXPECT_NE(missing.find("Help is not available"), std::string::npos);
    EXPECT_NE(missing.find("the file cannot be opened"), std::string::npos);
    EXPECT_NE(popupHtml("/nonexistent/calculator.hlp", 7).find("Help is not available"), std::string::npos);
}

}  // namespace
}  // namespace velmor
