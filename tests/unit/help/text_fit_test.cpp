#include "help/text_fit.h"

#include <gtest/gtest.h>

namespace velmor {
namespace {

const std::string kZwsp = "\xE2\x80\x8B";
const std::string kEllipsis = "\xE2\x80\xA6";
constexpr PopupLimits kSmall{10, 2};
constexpr std::size_t kRun = 4;

struct FitCase {
    std::string text;
    std::string fitted;
};

TEST(FitForPopup, CutsToTheLimitsAndBreaksLongWords) {
    const FitCase cases[] = {
        {"", ""},
        {"ab cd", "ab cd"},
        {"abcd efgh", "abcd efgh"},                                    // runs of exactly the word limit
        {"abcdefghi", "abcd" + kZwsp + "efgh" + kZwsp + "i"},          // a longer run gets breaks
        {"ab cd ef g", "ab cd ef g"},                                  // exactly 10 characters
        {"ab cd ef gh", "ab cd ef g" + kEllipsis},                     // one more is cut
        {"ab cd ef   gh", "ab cd ef" + kEllipsis},                     // blanks before the cut are dropped
        {"a\nb\nc", "a\nb" + kEllipsis},                               // two lines at most
        {"a\nb\n", "a\nb" + kEllipsis},
        {"\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9",                   // five two-byte characters in one run
         "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9" + kZwsp + "\xC3\xA9"},
        {"\xE2\x80\x94\xE2\x80\x94\xE2\x80\x94\xE2\x80\x94\xE2\x80\x94 a b c d e",  // a character is never split
         "\xE2\x80\x94\xE2\x80\x94\xE2\x80\x94\xE2\x80\x94" + kZwsp + "\xE2\x80\x94 a b" + kEllipsis},
        {"\xFF\xFE", "\xFF\xFE"},                                      // stray bytes count as characters
    };
    for (const FitCase& c : cases) EXPECT_EQ(fitForPopup(c.text, kSmall, kRun), c.fitted) << c.text;
}

TEST(WordBreaks, OnlyLongRunsGetBreaksAndNothingIsCut) {
    const FitCase cases[] = {
        {"", ""},
        {"abcd efgh\nijkl", "abcd efgh\nijkl"},
        {"abcdefghi jklmn", "abcd" + kZwsp + "efgh" + kZwsp + "i jklm" + kZwsp + "n"},
        {std::string(12, 'a') + "\n", "aaaa" + kZwsp + "aaaa" + kZwsp + "aaaa\n"},
    };
    for (const FitCase& c : cases) EXPECT_EQ(withWordBreaks(c.text, kRun), c.fitted) << c.text;
}

TEST(FitForPopup, AHugeWordBecomesABoundedWrappableText) {
    const std::string fitted = fitForPopup(std::string(400000, 'x'), kPopupBodyLimits);
    EXPECT_EQ(fitted.size(), 1500 + (1500 - 1) / 40 * kZwsp.size() + kEllipsis.size());
    EXPECT_TRUE(fitted.ends_with(kEllipsis));
    EXPECT_EQ(fitted.find(std::string(41, 'x')), std::string::npos);
}

TEST(CutToCharacters, KeepsWholeCharactersAndMarksTheCut) {
    const FitCase cases[] = {
        {"", ""},
        {"abc", "abc"},                                       // exactly the limit
        {"abcd", "abc" + kEllipsis},
        {"\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", "\xC3\xA9\xC3\xA9\xC3\xA9" + kEllipsis},  // never half a character
    };
    for (const FitCase& c : cases) EXPECT_EQ(cutToCharacters(c.text, 3), c.fitted) << c.text;
}

TEST(StartWithin, EndsOnALineEndOrACharacterBoundary) {
    const FitCase cases[] = {
        {"ab\ncd", "ab\ncd"},                 // short enough: whole
        {"ab\ncd\nef", "ab\n"},               // the last line end within 5 bytes
        {"abcdefgh", "abcde"},                 // one long line: cut at the limit
        {"abcd\xC3\xA9", "abcd"},              // not inside a character
    };
    for (const FitCase& c : cases) EXPECT_EQ(startWithin(c.text, 5), c.fitted) << c.text;
}

}  // namespace
}  // namespace velmor
