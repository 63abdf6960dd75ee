// Help files the reader accepts yet built to make help expensive: links that
// repeat a huge title, and pages of hundreds of thousands of tiny blocks. The
// pop-up and the help window are given pages of a bounded size whatever the
// topic holds (bench/hostile_help.py writes these at full size for timing).
#include "help/help_html.h"
#include "help/text_fit.h"

#include <gtest/gtest.h>

#include <string>

namespace velmor {
namespace {

std::string repeated(const std::string& piece, std::size_t bytes) {
    std::string out;
    out.reserve(bytes);
    while (out.size() + piece.size() <= bytes) out += piece;
    return out;
}

std::size_t count(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

struct HostileTopic {
    const char* what;
    std::string body;  // of pop-up 7 and contents 1 alike
};

// A quarter of the largest file the reader accepts: enough to pass every page limit many times.
constexpr std::size_t kBodyBytes = HelpFile::kMaxFileSize / 4;
const std::string kHugeTitle = "@popup 8 " + std::string(1'000'000, 'x') + "\nx\n";

const HostileTopic kTopics[] = {
    {"20,000 links to a 1 MB title", repeated("[[8]] ", 120'000)},
    {"links to a short title", repeated("[[9]] ", kBodyBytes)},
    {"links of one letter", repeated("[[9|a]] ", kBodyBytes)},
    {"paragraphs", repeated("p\n\n", kBodyBytes)},
    {"list items", repeated("- i\n", kBodyBytes)},
    {"subheadings", repeated("== h\n", kBodyBytes)},
    {"escaped characters", repeated("<&\"> ", kBodyBytes)},
};

HelpFile fileWith(const std::string& body) {
    return HelpFile::parse(kHugeTitle + "@popup 9 Digit keys\nx\n@popup 7 T\n" + body + "\n@contents 1 C\n" + body);
}

TEST(HostileTopics, GiveTheHelpWindowABoundedPageEndingInANote) {
    for (const HostileTopic& topic : kTopics) {
        SCOPED_TRACE(topic.what);
        const HelpFile file = fileWith(topic.body);
        const std::string page = topicHtml(file, *file.contents(1), true);
        // The words are bounded by the limit; escapes and link markup take a few times that.
        EXPECT_LE(page.size(), 8 * kViewerPageBytes);
        const std::size_t blocks = count(page, "<p>") + count(page, "<li>") + count(page, "<h4>");
        EXPECT_LE(blocks, kViewerPageBlocks + 2);  // with the title and the note
        // A page full of the topic, not a note alone.
        EXPECT_TRUE(page.size() >= kViewerPageBytes || blocks >= kViewerPageBlocks) << page.size() << " " << blocks;
        EXPECT_TRUE(page.ends_with(std::string("<p><i>") + kPageCutNote.source + "</i></p>")) << page.substr(page.size() - 200);
    }
}

TEST(HostileTopics, GiveThePopupNoMoreThanItShows) {
    // A title, and the body's characters each escaped at most as "&quot;".
    const std::size_t most = (kPopupTitleLimits.characters + kPopupBodyLimits.characters) * 2 * 6;
    for (const HostileTopic& topic : kTopics) {
        SCOPED_TRACE(topic.what);
        const HelpFile file = fileWith(topic.body);
        const std::string popup = popupTopicHtml(file, *file.popup(7));
        EXPECT_LE(popup.size(), most);
        EXPECT_NE(popup.find("\xE2\x80\xA6"), std::string::npos);  // the cut is shown
    }
}

TEST(HostileTopics, AHugeTitleIsCutOnItsOwnPage) {
    const HelpFile file = fileWith("x");
    const std::string page = topicHtml(file, *file.popup(8), true);
    EXPECT_LE(page.size(), 2 * kViewerTitleCharacters);
    EXPECT_EQ(page.find(kPageCutNote.source), std::string::npos);  // the body is whole
}

}  // namespace
}  // namespace velmor
