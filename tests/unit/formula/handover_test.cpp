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

}  // namespace
}  // namespace velmor::testing
