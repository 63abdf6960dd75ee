// Where the formula and the reviews hand a value to the rest of the
// calculator: a formula result is a number every key reads, a reviewed value
// ends the entry, and a base change never loses a formula.
#include <gtest/gtest.h>

#include "support/keys.h"

namespace velmor::testing {
namespace {

// Formule, A + B, OK, 12, OK, 7, OK: "Result = 19".
const std::vector<Ctl> kNineteen = {Ctl::Formula, Ctl::HexA, Ctl::Plus, Ctl::HexB, Ctl::SendFormula, Ctl::Digit1,
                                    Ctl::Digit2, Ctl::SendFormula, Ctl::Digit7, Ctl::SendFormula};

std::vector<Ctl> after(std::vector<Ctl> first, std::initializer_list<Ctl> then) {
    first.insert(first.end(), then);
    return first;
}

TEST(Handover, AFormulaResultIsANumber) {
    expectKeyDisplays({
        {kNineteen, "Result = 19"},
        {after(kNineteen, {Ctl::MemoryStore, Ctl::ClearEntry, Ctl::MemoryRecall}), "19"},
        {after(kNineteen, {Ctl::MemoryAdd, Ctl::MemoryAdd, Ctl::MemoryRecall}), "38"},
        {after(kNineteen, {Ctl::SquareRoot}), "4.35889894354067"},
        {after(kNineteen, {Ctl::ChangeSign}), "-19"},
        {after(kNineteen, {Ctl::BaseHex}), "13"},
        {after(kNineteen, {Ctl::BaseHex, Ctl::BaseDec}), "19"},
        {after(kNineteen, {Ctl::StatStart, Ctl::StatAdd, Ctl::StatSum}), "19"},
    });
}

TEST(Handover, ADigitAfterAFormulaResultOrErrorStartsANewNumber) {
    const std::vector<Ctl> divideByZero = {Ctl::Formula, Ctl::HexA, Ctl::Divide, Ctl::HexB, Ctl::SendFormula,
                                           Ctl::Digit1, Ctl::SendFormula, Ctl::Digit0, Ctl::SendFormula};
    expectKeyDisplays({
        {after(kNineteen, {Ctl::Digit5}), "5"},
        {after(kNineteen, {Ctl::Point, Ctl::Digit5}), "0.5"},
        {divideByZero, "error :positive infinity"},
        {after(divideByZero, {Ctl::Digit5}), "5"},
    });
}

// The value a Next key shows is a finished entry, whatever was typed before the review.
TEST(Handover, AReviewedValueEndsTheEntry) {
    Harness h;
    h.pressKeys({Ctl::StatStart, Ctl::Digit5, Ctl::StatAdd, Ctl::Digit6, Ctl::StatAdd, Ctl::Digit9});
    h.pressKeys({Ctl::StatNext, Ctl::StatNext, Ctl::StatNext, Ctl::Digit3, Ctl::StatAdd, Ctl::StatSum});
    EXPECT_EQ(h.display(), "14");
    expectKeyDisplays({
        {{Ctl::Digit1, Ctl::Plus, Ctl::Digit2, Ctl::Plus, Ctl::Digit7, Ctl::Next, Ctl::Digit3}, "3"},
        {{Ctl::Digit1, Ctl::Plus, Ctl::Digit2, Ctl::Plus, Ctl::Digit7, Ctl::Next}, "1"},
    });
}

TEST(Handover, ABaseChangeNeverLosesAFormula) {
    Harness h;
    h.pressKeys({Ctl::Formula, Ctl::HexA, Ctl::Plus, Ctl::HexB, Ctl::BaseHex});
    EXPECT_EQ(h.display(), "A+B");
    EXPECT_TRUE(h.form().isSelected(Ctl::BaseDec));
    ASSERT_EQ(h.platform.boxes.size(), 1u);
    EXPECT_EQ(h.platform.boxes[0].text, "13Type mismatch");
    h.pressKeys({Ctl::SendFormula, Ctl::Digit2, Ctl::SendFormula, Ctl::Digit3, Ctl::SendFormula});
    EXPECT_EQ(h.display(), "Result = 5");
    h.pressKeys({Ctl::BaseBin});  // a number changes base as ever
    EXPECT_EQ(h.display(), "101");
}

// A prompt answered by a key's result takes the whole value behind the
// display, and F keeps every digit typed, as A to E do.
TEST(Handover, PromptsTakeFullValues) {
    const struct {
        std::vector<Ctl> before;  // up to the formula's first OK
        const char* formula;      // pasted after Formule
        std::vector<Ctl> answers;
        const char* display;
    } cases[] = {
        {{Ctl::Digit1, Ctl::Divide, Ctl::Digit3, Ctl::Equals, Ctl::MemoryStore}, "A*3",
         {Ctl::MemoryRecall, Ctl::SendFormula}, "Result = 1"},
        {{}, "Ax^2", {Ctl::Digit2, Ctl::SquareRoot, Ctl::SendFormula}, "Result = 2"},
        {{}, "F*10000000000000000-1234567890123456",
         {Ctl::Point, Ctl::Digit1, Ctl::Digit2, Ctl::Digit3, Ctl::Digit4, Ctl::Digit5, Ctl::Digit6, Ctl::Digit7,
          Ctl::Digit8, Ctl::Digit9, Ctl::Digit0, Ctl::Digit1, Ctl::Digit2, Ctl::Digit3, Ctl::Digit4, Ctl::Digit5,
          Ctl::Digit6, Ctl::SendFormula},
         "Result = 0"},
    };
    for (const auto& c : cases) {
        Harness h;
        h.pressKeys(c.before);
        h.pressKeys({Ctl::Formula});
        h.platform.clipboard = c.formula;
        h.calc.menu(Menu::Paste);
        h.pressKeys({Ctl::SendFormula});
        h.pressKeys(c.answers);
        EXPECT_EQ(h.display(), c.display) << c.formula;
    }
}

}  // namespace
}  // namespace velmor::testing
