// Mouse routing and "What is this?" help on the headless calculator.
#include <gtest/gtest.h>

#include <optional>

#include "app/core/calculator.h"
#include "support/fake_platform.h"

namespace velmor {
namespace {

enum class Via { Press, Move };

struct HelpCase {
    Ctl control;
    Via via;
    int buttons;
    int base;                 // the base selected before the press
    std::optional<int> topic; // shown after the queued F1, if any
};

class MouseHelp : public ::testing::Test {
protected:
    // Presses (or moves over) the control, then handles the queued F1 on the
    // control that has the focus, as the window does once the handler returned.
    std::optional<int> helpFor(const HelpCase& c) {
        platform.topics.clear();
        platform.focus.reset();
        calc.form().selectOption(baseOption(c.base));
        const int menus = platform.popupMenus, queued = platform.queuedHelpKeys;
        if (c.via == Via::Press) calc.mousePress(c.control, c.buttons);
        else calc.mouseMove(c.control, c.buttons);
        const bool asked = platform.queuedHelpKeys > queued;
        EXPECT_EQ(platform.popupMenus - menus, asked ? 1 : 0);
        if (!asked) return std::nullopt;
        EXPECT_EQ(platform.focus, c.control) << "the help is for the control that got the focus";
        calc.helpKey(*platform.focus);
        if (platform.topics.size() != 1) return std::nullopt;
        return platform.topics[0];
    }

    testing::FakePlatform platform;
    Calculator calc{platform};
};

constexpr int L = kLeftButton, R = kRightButton, M = kMiddleButton;

TEST_F(MouseHelp, RightButtonTopicsFollowTheHelpNumbers) {
    calc.form().control(hexKey(2)).enabled = true;  // as the change to Hex leaves it
    const HelpCase cases[] = {
        {digitKey(7), Via::Press, R, kDec, 7},          {digitKey(0), Via::Press, R, kDec, 7},
        {hexKey(2), Via::Press, R, kHex, 12},        {Ctl::Next, Via::Press, R, kDec, 23},
        {Ctl::Equals, Via::Press, R, kDec, 1},        {operatorKey(kOpAdd), Via::Press, R, kDec, 2},
        {Ctl::Display, Via::Press, R, kDec, 66},       {Ctl::Backspace, Via::Press, R, kDec, 8},
        {Ctl::Pi, Via::Press, R, kDec, 9},     {integerSumKey(2), Via::Press, R, kDec, 37},
        {Ctl::MemoryClear, Via::Press, R, kDec, 58},    {Ctl::MemoryRecall, Via::Press, R, kDec, 59},
        {Ctl::MemoryStore, Via::Press, R, kDec, 60},    {Ctl::MemoryAdd, Via::Press, R, kDec, 61},
        {baseOption(kHex), Via::Press, R, kDec, 13},    {baseOption(kBin), Via::Press, R, kDec, 16},
        {Ctl::Degrees, Via::Press, R, kDec, 20},      {Ctl::Degrees, Via::Press, R, kHex, 17},
        {Ctl::Radians, Via::Press, R, kOct, 18},      {Ctl::Grads, Via::Press, R, kBin, 19},
        {Ctl::Grads, Via::Press, R, kDec, 22},     {functionKey(4), Via::Move, R, kDec, 65},
    };
    for (const HelpCase& c : cases) EXPECT_EQ(helpFor(c), c.topic) << qualifiedName(c.control);
}

TEST_F(MouseHelp, NoHelpWithoutTheRightButtonAloneOrWithoutAHandler) {
    const HelpCase cases[] = {
        {digitKey(7), Via::Press, L, kDec, {}},           {digitKey(7), Via::Press, M, kDec, {}},
        {Ctl::MemoryClear, Via::Press, L, kDec, {}},      {Ctl::Display, Via::Press, M, kDec, {}},
        {functionKey(4), Via::Press, R, kDec, {}},         {functionKey(4), Via::Move, L + R, kDec, {}},
        {functionKey(4), Via::Move, 0, kDec, {}},          {Ctl::Point, Via::Press, R, kDec, {}},
        {Ctl::WorkValue, Via::Press, R, kDec, {}},         {Ctl::FormulaPrompt, Via::Press, R, kDec, {}},
        {Ctl::BaseFrame, Via::Press, R, kDec, {}},        {digitKey(7), Via::Move, R, kDec, {}},
        {hexKey(0), Via::Press, R, kDec, {}},  // disabled outside Hex
        {Ctl::StatNext, Via::Press, R, kDec, {}},  // disabled until "Stat"
    };
    for (const HelpCase& c : cases) EXPECT_EQ(helpFor(c), c.topic) << qualifiedName(c.control);
}

TEST_F(MouseHelp, OptionTopicsFollowTheRoleTheButtonHasNow) {
    // F1 gives the topic of the caption shown at that moment, pressed before or not.
    calc.form().selectOption(baseOption(kHex));
    calc.helpKey(Ctl::Degrees);
    calc.mousePress(Ctl::Radians, L);
    calc.helpKey(Ctl::Radians);
    calc.form().selectOption(baseOption(kDec));
    calc.helpKey(Ctl::Radians);
    calc.helpKey(Ctl::Grads);
    calc.helpKey(baseOption(kOct));
    EXPECT_EQ(platform.topics, (std::vector<int>{17, 18, 21, 22, 15}));
}

TEST_F(MouseHelp, LeftPressOnTheDisplayMovesTheFocusToZero) {
    calc.mousePress(Ctl::Display, L);
    EXPECT_EQ(platform.focus, digitKey(0));
    EXPECT_EQ(platform.popupMenus, 0);
}

TEST_F(MouseHelp, F1HelpsTheDecimalPointButNotTheWorkBoxes) {
    calc.helpKey(Ctl::Point);
    calc.helpKey(Ctl::WorkValue);
    calc.helpKey(Ctl::FormulaPrompt);
    EXPECT_EQ(platform.topics, std::vector<int>{10});
}

TEST_F(MouseHelp, ContextHelpModeClickShowsTheTopicOfTheCurrentRole) {
    calc.form().selectOption(baseOption(kOct));
    routeWhatsThisClick(calc.form(), Ctl::Degrees);
    routeWhatsThisClick(calc.form(), digitKey(3));
    routeWhatsThisClick(calc.form(), Ctl::Point);
    routeWhatsThisClick(calc.form(), Ctl::WorkValue);
    EXPECT_EQ(platform.topics, (std::vector<int>{17, 7, 10}));
    EXPECT_EQ(platform.popupMenus, 0);
}

TEST_F(MouseHelp, HelpMenuOpensTheViewerAtTopicOneAndEntersContextHelpMode) {
    calc.menu(Menu::HelpTopics);
    ASSERT_EQ(platform.viewer.size(), 1u);
    EXPECT_EQ(platform.viewer[0], std::make_pair(std::string("/opt/velmor/calculator.hlp"), 1));
    calc.menu(Menu::WhatsThisMode);
    EXPECT_EQ(platform.whatsThisModes, 1);
    EXPECT_TRUE(platform.topics.empty());
}

}  // namespace
}  // namespace velmor
