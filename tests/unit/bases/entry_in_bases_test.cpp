// Typing in Hex, Oct and Bin: numerals keep to the word, A to F are digits,
// the sign survives further digits, and base and word-size clicks keep the value.
#include <gtest/gtest.h>

#include "support/keys.h"

namespace velmor::testing {
namespace {

constexpr Ctl Hex = Ctl::BaseHex, Dec = Ctl::BaseDec, Oct = Ctl::BaseOct, Bin = Ctl::BaseBin;
constexpr Ctl Dword = Ctl::Degrees, Word = Ctl::Radians, Byte = Ctl::Grads;
constexpr Ctl D0 = Ctl::Digit0, D1 = Ctl::Digit1, D2 = Ctl::Digit2, D3 = Ctl::Digit3, D4 = Ctl::Digit4, D5 = Ctl::Digit5,
              D7 = Ctl::Digit7, D8 = Ctl::Digit8, D9 = Ctl::Digit9, A = Ctl::HexA, B = Ctl::HexB, C = Ctl::HexC,
              F = Ctl::HexF;

std::vector<Ctl> times(int n, Ctl key, std::vector<Ctl> before) {
    before.insert(before.end(), static_cast<size_t>(n), key);
    return before;
}

// The widest numeral of each word is taken; one digit more changes nothing.
TEST(EntryInBases, ADigitBeyondTheWordIsRefused) {
    expectKeyDisplays({
        {times(9, F, {Hex}), "FFFFFFFF"},
        {times(5, F, {Hex, Word}), "FFFF"},
        {times(3, F, {Hex, Byte}), "FF"},
        {times(33, D1, {Bin}), "11111111111111111111111111111111"},
        {times(17, D1, {Bin, Word}), "1111111111111111"},
        {times(9, D1, {Bin, Byte}), "11111111"},
        {times(11, D7, {Oct, D3}), "37777777777"},
        {times(10, D0, {Oct, D4}), "4000000000"},  // 2^32 is beyond 32 bits
        {times(5, D7, {Oct, Word, D1}), "177777"},
        {times(5, D0, {Oct, Word, D2}), "20000"},
        {{Oct, Byte, D3, D7, D7, D7}, "377"},
        {{Oct, Byte, D4, D0, D0}, "40"},
        {{Hex, Byte, D1, D0, Dec}, "16"},  // what is typed is what the other bases read
        {{Hex, D0, D0, D7}, "7"},          // a numeral has no leading zeros
    });
}

TEST(EntryInBases, ALetterStartsANewNumberWhereADigitWould) {
    expectKeyDisplays({
        {{Hex, D4, Ctl::Square, F}, "F"},
        {{Hex, D4, Ctl::Square, F, Ctl::SquareRoot}, "4"},
        {{Hex, D5, Ctl::MemoryStore, Ctl::MemoryRecall, A}, "A"},
        {{Hex, Ctl::Pi, B}, "B"},
        {{Hex, D1, Ctl::Plus, C}, "C"},
        {{Hex, D1, Ctl::Divide, D0, Ctl::Equals, C}, "C"},  // after an error text
        {{Hex, Ctl::StatStart, A, Ctl::StatAdd, B, Ctl::StatAdd, Ctl::StatSum}, "15"},
        {{Hex, D1, A, B}, "1AB"},  // while typing, letters append like digits
    });
}

TEST(EntryInBases, DigitsAfterTheSignChangeExtendTheNegativeNumber) {
    expectKeyDisplays({
        {{Bin, Byte, D1, Ctl::ChangeSign, D0}, "11111110"},
        {{Bin, Byte, D1, Ctl::ChangeSign, D0, Dec}, "-2"},
        {{Oct, Word, D1, Ctl::ChangeSign, D0}, "177770"},
        {{Hex, D1, Ctl::ChangeSign, D2}, "FFFFFFEE"},
        {{Hex, D1, Ctl::ChangeSign, D2, Dec}, "-18"},
        {{Hex, Byte, D8, Ctl::ChangeSign, D0}, "80"},               // -128, the least Byte
        {{Hex, Byte, D8, Ctl::ChangeSign, D0, D0}, "80"},           // -2048 is refused
        {{Hex, Byte, D8, Ctl::ChangeSign, D1}, "F8"},               // -129 would not fit: refused
        {{Hex, D1, Ctl::ChangeSign, D2, Ctl::Backspace}, "FFFFFFFF"},  // back to -1
        {{Dec, D1, Ctl::ChangeSign, D0}, "-10"},
    });
}

// A base or word-size click keeps the value: widening keeps the sign,
// narrowing keeps the low bits.
TEST(EntryInBases, BaseAndWordSizeClicksKeepTheValue) {
    expectKeyDisplays({
        {{Hex, Byte, D8, D0, Hex}, "FFFFFF80"},
        {{Hex, Byte, D8, D0, Hex, Dec}, "-128"},
        {{Hex, Byte, D8, D0, Word}, "FF80"},
        {{Hex, Byte, D8, D0, Oct}, "37777777600"},
        {{Hex, Byte, D7, F, Dword}, "7F"},
        {{Hex, D1, D2, D3, D4, A, B, C, D9, Word}, "ABC9"},
        {{Hex, D1, D2, D3, D4, A, B, C, D9, Byte, Dword}, "FFFFFFC9"},
        {{Bin, Word, D1, Bin}, "1"},
    });
}

// A paste is read from its start in the base, in either case.
TEST(EntryInBases, APasteReadsTheLeadingNumeral) {
    const struct {
        std::vector<Ctl> before;
        const char* pasted;
        std::vector<Ctl> after;
        const char* display;
    } cases[] = {
        {{Oct}, "12x", {Ctl::SquareRoot}, "3"},
        {{Hex}, "ff", {Ctl::SquareRoot}, "10"},
        {{Hex}, "FFh", {Ctl::MemoryStore, Ctl::ClearEntry, Ctl::MemoryRecall}, "FF"},
        {{Bin}, " 101 ", {Ctl::Plus, D1, Ctl::Equals}, "110"},
        {{Hex}, "xyz", {Ctl::SquareRoot}, "0"},
        {{Oct}, "xyz", {Ctl::Plus}, "xyz"},  // no numeral: the operators find no operand
        {{Hex, Byte}, "123", {Ctl::SquareRoot}, "Error :overflow"},  // too wide for the word
        {{Hex, Byte}, "123", {Dec}, "123"},
    };
    for (const auto& c : cases) {
        Harness h;
        h.pressKeys(c.before);
        h.platform.clipboard = c.pasted;
        h.calc.menu(Menu::Paste);
        h.pressKeys(c.after);
        EXPECT_EQ(h.display(), c.display) << joined(c.before) << c.pasted << " " << joined(c.after);
    }
}

TEST(EntryInBases, AFormulaResultIsANumeralOfTheBase) {
    Harness h;
    h.pressKeys({Ctl::Formula, Hex, A, Ctl::Plus, B, Ctl::SendFormula, D9, Ctl::SendFormula, D9, Ctl::SendFormula});
    EXPECT_EQ(h.display(), "Result = 12");
    h.pressKeys({Ctl::SquareRoot});
    EXPECT_EQ(h.display(), "4");
}

}  // namespace
}  // namespace velmor::testing
