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
        calc.form().selectOption(option1(c.base));
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
    calc.form().control(cmdhex(2)).enabled = true;  // as the change to Hex leaves it
    const HelpCase cases[] = {
        {cmdNo(7), Via::Press, R, kDec, 7},          {cmdNo(0), Via::Press, R, kDec, 7},
        {cmdhex(2), Via::Press, R, kHex, 12},        {Ctl::cmdNext, Via::Press, R, kDec, 23},
        {Ctl::cmdeq, Via::Press, R, kDec, 1},        {cmdop(kOpAdd), Via::Press, R, kDec, 2},
        {Ctl::Text1, Via::Press, R, kDec, 66},       {Ctl::Command2, Via::Press, R, kDec, 8},
        {Ctl::Command7, Via::Press, R, kDec, 9},     {cmdsigx(2), Via::Press, R, kDec, 37},
        {Ctl::Command3, Via::Press, R, kDec, 58},    {Ctl::Command4, Via::Press, R, kDec, 59},
        {Ctl::Command5, Via::Press, R, kDec, 60},    {Ctl::Command6, Via::Press, R, kDec, 61},
        {option1(kHex), Via::Press, R, kDec, 13},    {option1(kBin), Via::Press, R, kDec, 16},
        {Ctl::optDeg, Via::Press, R, kDec, 20},      {Ctl::optDeg, Via::Press, R, kHex, 17},
        {Ctl::optRad, Via::Press, R, kOct, 18},      {Ctl::optGrad, Via::Press, R, kBin, 19},
        {Ctl::optGrad, Via::Press, R, kDec, 22},     {cmdCont(4), Via::Move, R, kDec, 65},
    };
    for (const HelpCase& c : cases) EXPECT_EQ(helpFor(c), c.topic) << qualifiedName(c.control);
}

TEST_F(MouseHelp, NoHelpWithoutTheRightButtonAloneOrWithoutAHandler) {
    const HelpCase cases[] = {
        {cmdNo(7), Via::Press, L, kDec, {}},           {cmdNo(7), Via::Press, M, kDec, {}},
        {Ctl::Command3, Via::Press, L, kDec, {}},      {Ctl::Text1, Via::Press, M, kDec, {}},
        {cmdCont(4), Via::Press, R, kDec, {}},         {cmdCont(4), Via::Move, L + R, kDec, {}},
        {cmdCont(4), Via::Move, 0, kDec, {}},          {Ctl::Command1, Via::Press, R, kDec, {}},
        {Ctl::Text2, Via::Press, R, kDec, {}},         {Ctl::txtformu, Via::Press, R, kDec, {}},
        {Ctl::Frame1, Via::Press, R, kDec, {}},        {cmdNo(7), Via::Move, R, kDec, {}},
        {cmdhex(0), Via::Press, R, kDec, {}},  // disabled outside Hex
        {Ctl::cmdStdNext, Via::Press, R, kDec, {}},  // disabled until "Stat"
    };
    for (const HelpCase& c : cases) EXPECT_EQ(helpFor(c), c.topic) << qualifiedName(c.control);
}

TEST_F(MouseHelp, OptionTopicsFollowTheRoleTheButtonHasNow) {
    // F1 gives the topic of the caption shown at that moment, pressed before or not.
    calc.form().selectOption(option1(kHex));
    calc.helpKey(Ctl::optDeg);
    calc.mousePress(Ctl::optRad, L);
    calc.helpKey(Ctl::optRad);
    calc.form().selectOption(option1(kDec));
    calc.helpKey(Ctl::optRad);
    calc.helpKey(Ctl::optGrad);
    calc.helpKey(option1(kOct));
    EXPECT_EQ(platform.topics, (std::vector<int>{17, 18, 21, 22, 15}));
}

TEST_F(MouseHelp, LeftPressOnTheDisplayMovesTheFocusToZero) {
    calc.mousePress(Ctl::Text1, L);
    EXPECT_EQ(platform.focus, cmdNo(0));
    EXPECT_EQ(platform.popupMenus, 0);
}

TEST_F(MouseHelp, F1HelpsTheDecimalPointButNotTheWorkBoxes) {
    calc.helpKey(Ctl::Command1);
    calc.helpKey(Ctl::Text2);
    calc.helpKey(Ctl::txtformu);
    EXPECT_EQ(platform.topics, std::vector<int>{10});
}

TEST_F(MouseHelp, ContextHelpModeClickShowsTheTopicOfTheCurrentRole) {
    calc.form().selectOption(option1(kOct));
    routeWhatsThisClick(calc.form(), Ctl::optDeg);
    routeWhatsThisClick(calc.form(), cmdNo(3));
    routeWhatsThisClick(calc.form(), Ctl::Command1);
    routeWhatsThisClick(calc.form(), Ctl::Text2);
    EXPECT_EQ(platform.topics, (std::vector<int>{17, 7, 10}));
    EXPECT_EQ(platform.popupMenus, 0);
}

TEST_F(MouseHelp, HelpMenuOpensTheViewerAtTopicOneAndEntersContextHelpMode) {
    calc.menu(Menu::Helptopics);
    ASSERT_EQ(platform.viewer.size(), 1u);
    EXPECT_EQ(platform.viewer[0], std::make_pair(std::string("/opt/velmor/calculator.hlp"), 1));
    calc.menu(Menu::WhatsThisMode);
    EXPECT_EQ(platform.whatsThisModes, 1);
    EXPECT_TRUE(platform.topics.empty());
}

}  // namespace
}  // namespace velmor
