#include "help/help_file.h"
#include "help/text_fit.h"

#include <gtest/gtest.h>

namespace velmor {
namespace {

TEST(HelpFileParse, ReadsTopicsOfBothKindsWithTheirOwnNumbers) {
    std::vector<std::string> problems;
    const HelpFile file = HelpFile::parse(
        "# a comment\n"
        "@contents 1 Start\n"
        "Welcome.\n"
        "\n"
        "@popup 1 = (equals)\r\n"
        "\r\n"
        "Completes the sum.\r\n"
        "Second line.\r\n"
        "\r\n"
        "# comment inside a topic is dropped\n"
        "\n",
        &problems);
    EXPECT_TRUE(problems.empty());
    ASSERT_NE(file.contents(1), nullptr);
    ASSERT_NE(file.popup(1), nullptr);
    EXPECT_EQ(file.contents(1)->title, "Start");
    EXPECT_EQ(file.contents(1)->body, "Welcome.");
    EXPECT_EQ(file.popup(1)->title, "= (equals)");
    EXPECT_EQ(file.popup(1)->body, "Completes the sum.\nSecond line.");
    EXPECT_EQ(file.popup(2), nullptr);
    EXPECT_EQ(file.contents(2), nullptr);
}

struct BadLine {
    const char* text;
    const char* problem;
};

TEST(HelpFileParse, ReportsEachBadLineAndKeepsTheRest) {
    const BadLine cases[] = {
        {"stray text\n@popup 4 Times\nok\n", "line 1: text outside a topic"},
        {"@note 3 Minus\nbody\n@popup 4 Times\nok\n", "line 1: unknown topic kind \"@note\""},
        {"@popup 0 Zero\nbody\n@popup 4 Times\nok\n", "line 1: topic number missing or outside 1 to 9999"},
        {"@popup 10000 Big\nbody\n@popup 4 Times\nok\n", "line 1: topic number missing or outside 1 to 9999"},
        {"@popup -4 Neg\nbody\n@popup 4 Times\nok\n", "line 1: topic number missing or outside 1 to 9999"},
        {"@popup 4x Odd\nbody\n@popup 4 Times\nok\n", "line 1: topic number missing or outside 1 to 9999"},
        {"@popup 4\nbody\n@popup 4 Times\nok\n", "line 1: topic without a title"},
        {"@popup 4 Times\nok\n@popup 4 Again\nlost\n", "line 3: topic 4 appears twice"},
    };
    for (const BadLine& c : cases) {
        std::vector<std::string> problems;
        const HelpFile file = HelpFile::parse(c.text, &problems);
        ASSERT_EQ(problems.size(), 1u) << c.text;
        EXPECT_EQ(problems[0], c.problem) << c.text;
        ASSERT_NE(file.popup(4), nullptr) << c.text;
        EXPECT_EQ(file.popup(4)->body, "ok") << c.text;  // a rejected topic's lines go nowhere
    }
}

TEST(HelpFileParse, SameNumberInBothKindsIsNoDuplicate) {
    std::vector<std::string> problems;
    const HelpFile file = HelpFile::parse("@popup 1 A\na\n@contents 1 B\nb\n", &problems);
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(file.popupNumbers(), std::vector<int>{1});
    EXPECT_EQ(file.contentsNumbers(), std::vector<int>{1});
}

TEST(HelpFileLoad, MissingFileGivesNothingAndAReason) {
    std::string error;
    EXPECT_FALSE(HelpFile::load("/nonexistent/calculator.hlp", &error));
    EXPECT_EQ(error, "the file cannot be opened");
}

struct LinkCase {
    const char* body;
    std::vector<BodyPiece> pieces;
};

TEST(HelpFileLinks, SplitsLinksAndNamesThemByTopicTitle) {
    const HelpFile file = HelpFile::parse("@popup 7 Digit keys\nx\n");
    const LinkCase cases[] = {
        {"See [[7]].", {{"See ", 0}, {"Digit keys", 7}, {".", 0}}},
        {"[[7|the digits]]", {{"the digits", 7}}},
        {"[[9]]", {{"topic 9", 9}}},
        {"[[x]] and [[7", {{"[[x]] and [[7", 0}}},
        {"[[0]] [[]]", {{"[[0]] [[]]", 0}}},
        {"[[7|]]", {{"Digit keys", 7}}},
        {"plain", {{"plain", 0}}},
    };
    for (const LinkCase& c : cases) EXPECT_EQ(file.pieces(c.body), c.pieces) << c.body;
}

struct BudgetCase {
    const char* body;
    std::size_t budget;
    std::vector<BodyPiece> pieces;
    bool cut;
};

TEST(HelpFileLinks, StopAtTheBudgetAndSaySo) {
    const HelpFile file = HelpFile::parse("@popup 7 Digit keys\nx\n");
    const BudgetCase cases[] = {
        {"abcdef", 6, {{"abcdef", 0}}, false},                       // exactly the budget
        {"abcdefg", 6, {{"abcdef", 0}}, true},
        {"abc[[7]]", 3, {{"abc", 0}}, true},                         // the link does not fit
        {"ab[[7]]cd", 3, {{"ab", 0}, {"Digit keys", 7}}, true},      // a link's words may pass the budget
        {"ab[[7]]", 3, {{"ab", 0}, {"Digit keys", 7}}, false},
        {"[[x]]yz", 5, {{"[[x]]", 0}}, true},                        // brackets that are no link count as text
    };
    for (const BudgetCase& c : cases) {
        bool cut = !c.cut;
        EXPECT_EQ(file.pieces(c.body, c.budget, &cut), c.pieces) << c.body;
        EXPECT_EQ(cut, c.cut) << c.body;
    }
}

// A title is written out for every link to it; a long one is cut as a pop-up
// cuts titles, so links cannot multiply a large title.
TEST(HelpFileLinks, NameATopicByItsTitleCutToThePopupLimit) {
    const HelpFile file = HelpFile::parse("@popup 8 " + std::string(1'000'000, 'x') + "\nx\n");
    const auto pieces = file.pieces("[[8]] [[8]]");
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[0].text, std::string(kPopupTitleLimits.characters, 'x') + "\xE2\x80\xA6");
    EXPECT_EQ(pieces[2], pieces[0]);
}

}  // namespace
}  // namespace velmor
