// The help files as they are installed beside the program: the English one and
// one per translated language (calculator_de.hlp), each with every topic.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "engine/controls.h"
#include "help/help_file.h"
#include "help/text_fit.h"

namespace velmor {
namespace {

HelpFile loaded(const std::string& path) {
    std::string error;
    std::vector<std::string> problems;
    auto file = HelpFile::load(path, &error, &problems);
    EXPECT_TRUE(file) << error;
    for (const std::string& p : problems) ADD_FAILURE() << path << ": " << p;
    return file ? *file : HelpFile{};
}

// Every help file beside the English one, which comes first.
struct Installed {
    std::string path;
    HelpFile file;
};

std::vector<Installed> installedFiles() {
    const std::filesystem::path english(VELMOR_HELP_FILE);
    std::vector<std::filesystem::path> paths;
    for (const auto& entry : std::filesystem::directory_iterator(english.parent_path())) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("calculator_") && name.ends_with(".hlp")) paths.push_back(entry.path());
    }
    std::sort(paths.begin(), paths.end());
    paths.insert(paths.begin(), english);
    EXPECT_GE(paths.size(), 4u) << "English and the three shipped languages";
    std::vector<Installed> files;
    for (const auto& path : paths) files.push_back({path.string(), loaded(path.string())});
    return files;
}

TEST(InstalledHelpFile, HasTheContentsTopicAndExactlyThePopupTopics1To66) {
    for (const auto& [path, file] : installedFiles()) {
        SCOPED_TRACE(path);
        ASSERT_NE(file.contents(1), nullptr);
        std::vector<int> expected;
        for (int i = 1; i <= 66; ++i) expected.push_back(i);
        EXPECT_EQ(file.popupNumbers(), expected);
        for (int i : expected) EXPECT_GT(file.popup(i)->body.size(), 40u) << "topic " << i << " is nearly empty";
    }
}

TEST(InstalledHelpFile, EveryControlsHelpNumberHasATopic) {
    for (const auto& [path, file] : installedFiles()) {
        SCOPED_TRACE(path);
        for (const ControlRow& s : controlTable()) {
            if (s.helpId == 0) continue;
            EXPECT_NE(file.popup(s.helpId), nullptr) << s.name << " " << s.helpId;
        }
    }
}

TEST(InstalledHelpFile, ContentsLinksOnlyToExistingTopicsAndReachesEveryOne) {
    for (const auto& [path, file] : installedFiles()) {
        SCOPED_TRACE(path);
        ASSERT_NE(file.contents(1), nullptr);
        std::vector<bool> linked(67, false);
        for (const BodyPiece& piece : file.pieces(file.contents(1)->body)) {
            if (piece.link == 0) continue;
            EXPECT_NE(file.popup(piece.link), nullptr) << "link to missing topic " << piece.link;
            if (piece.link <= 66) linked[piece.link] = true;
        }
        for (int i = 1; i <= 66; ++i) EXPECT_TRUE(linked[i]) << "contents do not link topic " << i;
    }
}

// The pop-up limits are for hostile files: the real topics are shown whole.
TEST(InstalledHelpFile, EveryPopupTopicFitsThePopupUncut) {
    for (const auto& [path, file] : installedFiles()) {
        SCOPED_TRACE(path);
        for (int number : file.popupNumbers()) {
            const HelpTopic& topic = *file.popup(number);
            EXPECT_EQ(fitForPopup(topic.title, kPopupTitleLimits), topic.title) << "topic " << number;
            EXPECT_EQ(fitForPopup(topic.body, kPopupBodyLimits), topic.body) << "topic " << number;
        }
    }
}

}  // namespace
}  // namespace velmor
