// The help file as it is installed beside the program.
#include <gtest/gtest.h>

#include "engine/controls.h"
#include "help/help_file.h"
#include "help/text_fit.h"

namespace velmor {
namespace {

HelpFile installedFile() {
    std::string error;
    std::vector<std::string> problems;
    auto file = HelpFile::load(VELMOR_HELP_FILE, &error, &problems);
    EXPECT_TRUE(file) << error;
    for (const std::string& p : problems) ADD_FAILURE() << VELMOR_HELP_FILE << ": " << p;
    return file ? *file : HelpFile{};
}

TEST(InstalledHelpFile, HasTheContentsTopicAndExactlyThePopupTopics1To66) {
    const HelpFile file = installedFile();
    ASSERT_NE(file.contents(1), nullptr);
    std::vector<int> expected;
    for (int i = 1; i <= 66; ++i) expected.push_back(i);
    EXPECT_EQ(file.popupNumbers(), expected);
    for (int i : expected) EXPECT_GT(file.popup(i)->body.size(), 40u) << "topic " << i << " is nearly empty";
}

TEST(InstalledHelpFile, EveryControlsHelpNumberHasATopic) {
    const HelpFile file = installedFile();
    for (const ControlRow& s : controlTable()) {
        if (s.helpId == 0) continue;
        EXPECT_NE(file.popup(s.helpId), nullptr) << s.name << " " << s.helpId;
    }
}

TEST(InstalledHelpFile, ContentsLinksOnlyToExistingTopicsAndReachesEveryOne) {
    const HelpFile file = installedFile();
    ASSERT_NE(file.contents(1), nullptr);
    std::vector<bool> linked(67, false);
    for (const BodyPiece& piece : file.pieces(file.contents(1)->body)) {
        if (piece.link == 0) continue;
        EXPECT_NE(file.popup(piece.link), nullptr) << "link to missing topic " << piece.link;
        if (piece.link <= 66) linked[piece.link] = true;
    }
    for (int i = 1; i <= 66; ++i) EXPECT_TRUE(linked[i]) << "contents do not link topic " << i;
}

// The pop-up limits are for hostile files: the real topics are shown whole.
TEST(InstalledHelpFile, EveryPopupTopicFitsThePopupUncut) {
    const HelpFile file = installedFile();
    for (int number : file.popupNumbers()) {
        const HelpTopic& topic = *file.popup(number);
        EXPECT_EQ(fitForPopup(topic.title, kPopupTitleLimits), topic.title) << "topic " << number;
        EXPECT_EQ(fitForPopup(topic.body, kPopupBodyLimits), topic.body) << "topic " << number;
    }
}

}  // namespace
}  // namespace velmor
