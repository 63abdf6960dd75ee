// The formula cycle driven headlessly: the formula is put into the display as
// the letter and operator keys would have typed it.
#include <gtest/gtest.h>

#include "formula/formula_state.h"
#include "support/keys.h"

namespace velmor {
namespace {

using testing::Harness;

struct FormulaHarness : Harness {
    FormulaHarness() { press({"cmdFormule"}); }
    const std::string& prompt() { return form().control(Ctl::FormulaPrompt).text; }
    bool promptShown() { return form().control(Ctl::FormulaPrompt).visible; }
    const std::string& okCaption() { return form().control(Ctl::SendFormula).text; }
    // Types `formula` into the display and sends it, then answers each prompt in turn.
    void run(const std::string& formula, const std::vector<std::string>& answers) {
        form().display.setText(formula);
        press({"cmdOK"});
        for (const std::string& answer : answers) {
            form().display.setText(answer);
            press({"cmdOK"});
        }
    }
};

TEST(FormulaCycle, FormuleSwitchesEntryOnInDecimal) {
    Harness h;
    EXPECT_FALSE(h.form().control(Ctl::SendFormula).enabled);
    h.press({"Option1(0)"});
    h.form().control(digitKey(7)).enabled = false;
    h.form().control(hexKey(4)).enabled = false;
    h.form().display.setText("12");
    h.press({"cmdFormule"});
    EXPECT_TRUE(h.form().isSelected(baseOption(kDec)));
    EXPECT_TRUE(h.form().control(digitKey(7)).enabled);
    EXPECT_TRUE(h.form().control(hexKey(4)).enabled);
    EXPECT_TRUE(h.form().control(Ctl::SendFormula).enabled);
    EXPECT_EQ(formulaState(h.form()).formulaMode, 1);
    EXPECT_EQ(h.display(), "18");  // hexadecimal 12, converted, starts the formula
}

TEST(FormulaCycle, PromptsComeInAlphabeticalOrderOncePerLetter) {
    FormulaHarness h;
    h.form().display.setText("C*B+A+B");
    h.press({"cmdOK"});
    EXPECT_EQ(h.prompt(), "A =");
    EXPECT_TRUE(h.promptShown());
    EXPECT_EQ(h.display(), "");
    const std::vector<std::pair<const char*, const char*>> answers = {{"1", "B ="}, {"2", "C ="}};
    for (const auto& [answer, nextPrompt] : answers) {
        h.form().display.setText(answer);
        h.press({"cmdOK"});
        EXPECT_EQ(h.prompt(), nextPrompt);
        EXPECT_EQ(h.okCaption(), "OK");
    }
    h.form().display.setText("3");
    h.press({"cmdOK"});
    EXPECT_EQ(h.display(), "Result = 9");
    EXPECT_EQ(h.okCaption(), "New");
    EXPECT_FALSE(h.promptShown());
    EXPECT_EQ(formulaState(h.form()).formulaCaptured, 0);
}

TEST(FormulaCycle, ResultsOfWholeCycles) {
    struct Case {
        const char* formula;
        std::vector<std::string> answers;
        const char* display;
        const char* caption;
    };
    const std::vector<Case> cases = {
        {"A+B", {"12", "7"}, "Result = 19", "New"},
        {"(A-B)", {"9", "4"}, "Result = 5", "New"},
        {"A", {"42"}, "Result = 42", "New"},
        {"A+A", {"3"}, "Result = 6", "New"},
        {"A", {"007"}, "Result = 007", "New"},
        {"F", {"007"}, "Result = 7", "New"},
        {"A1/x", {"4"}, "Result = 0.25", "New"},
        {"A+B+C+D+E+F*1", {"1", "2", "3", "4", "5", "6"}, "Result = 21", "New"},
        {"12", {}, "Result = 12", "New"},
        {"A/B", {"1", "0"}, "error :positive infinity", "OK"},
        {"A*B", {"1E200", "1E200"}, "Error :overflow", "OK"},
        {"A+", {"1"}, "Invalid : input", "OK"},
        {"A+B", {"3+", "1"}, "Invalid : input", "OK"},
        {"A", {""}, "", "OK"},
        {"", {}, "", "OK"},
    };
    for (const Case& c : cases) {
        FormulaHarness h;
        h.run(c.formula, c.answers);
        EXPECT_EQ(h.display(), c.display) << c.formula;
        EXPECT_EQ(h.okCaption(), c.caption) << c.formula;
        EXPECT_FALSE(h.promptShown()) << c.formula;
        EXPECT_EQ(formulaState(h.form()).formulaCaptured, 0) << c.formula;
    }
}

TEST(FormulaCycle, LongSubstitutedFormulaIsEvaluated) {
    FormulaHarness h;
    h.run("A*B+C*D-E/F", {"123456", "654321", "1000", "1000", "2.5E+10", "5"});
    EXPECT_EQ(h.display(), "Result = 75780853376");
}

TEST(FormulaCycle, NotANumberAtFKeepsThePromptOpen) {
    FormulaHarness h;
    h.run("A+F", {"1"});
    EXPECT_EQ(h.prompt(), "F =");
    for (const char* bad : {"", "x", "1.2.3", "1E999"}) {
        h.form().display.setText(bad);
        h.press({"cmdOK"});
        EXPECT_EQ(h.prompt(), "F =") << bad;
        EXPECT_TRUE(h.promptShown()) << bad;
        EXPECT_EQ(h.display(), bad);
        EXPECT_EQ(formulaState(h.form()).formulaCaptured, 1);
    }
    h.form().display.setText("2");
    h.press({"cmdOK"});
    EXPECT_EQ(h.display(), "Result = 3");
}

TEST(FormulaCycle, NewResetsForTheNextFormula) {
    FormulaHarness h;
    h.run("A+B", {"12", "7"});
    EXPECT_EQ(h.form().control(Ctl::WorkValue).text, "12");
    h.press({"cmdOK"});
    EXPECT_EQ(h.display(), "");
    EXPECT_EQ(h.prompt(), "");
    EXPECT_EQ(h.form().control(Ctl::WorkValue).text, "");
    EXPECT_EQ(h.okCaption(), "OK");
    EXPECT_EQ(formulaState(h.form()).formulaMode, 1);
    h.run("B-A", {"1", "10"});
    EXPECT_EQ(h.display(), "Result = 9");
}

TEST(FormulaCycle, OkOnAShownResultOnlyEmptiesTheDisplay) {
    FormulaHarness h;
    h.form().display.setText("x Result = 5");
    h.press({"cmdOK"});
    EXPECT_EQ(h.display(), "");
    EXPECT_EQ(formulaState(h.form()).formulaCaptured, 0);
    EXPECT_EQ(h.prompt(), "");
}

TEST(FormulaCycle, AFailedFormulaReturnsToTyping) {
    FormulaHarness h;
    h.run("A/B", {"1", "0"});
    EXPECT_EQ(h.prompt(), "1");
    h.run("A-B", {"5", "7"});
    EXPECT_EQ(h.display(), "Result = -2");
}

TEST(FormulaCycle, TopNextReviewsRecordedOperands) {
    Harness h;
    auto& history = h.form().engine.operandHistory;
    history[0] = 12;
    history[1] = Decimal::fromText("7.5");
    history[2] = -3;
    h.form().engine.nextIndex = 3;
    for (const char* expected : {"12", "7.5", "-3"}) {
        h.press({"cmdNext"});
        EXPECT_EQ(h.display(), expected);
    }
    EXPECT_TRUE(h.platform.boxes.empty());
    h.press({"cmdNext"});
    ASSERT_EQ(h.platform.boxes.size(), 1u);
    EXPECT_EQ(h.platform.boxes[0].text, "Number's completed");
    EXPECT_EQ(h.platform.boxes[0].icon, MsgIcon::Information);
    h.press({"cmdNext"});
    EXPECT_EQ(h.display(), "12");
}

TEST(FormulaCycle, TopNextEndsAtTheLastSlot) {
    Harness h;
    h.form().engine.operandHistory[kHistorySlots - 1] = 200;
    h.form().engine.nextIndex = 250;
    for (int press = 0; press < kHistorySlots; ++press) h.press({"cmdNext"});
    EXPECT_EQ(h.display(), "200");
    EXPECT_TRUE(h.platform.boxes.empty());
    h.press({"cmdNext"});
    ASSERT_EQ(h.platform.boxes.size(), 1u);
    EXPECT_EQ(h.platform.boxes[0].text, "Number's completed");
}

}  // namespace
}  // namespace velmor
