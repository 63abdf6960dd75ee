// Hex, Oct and Bin are a whole-number calculator: every key reads the numeral
// as a signed whole number of the word size and writes its result as one.
#include <gtest/gtest.h>

#include "support/keys.h"

namespace velmor::testing {
namespace {

TEST(WholeNumbers, MemoryHoldsAValueAndRecallsItInTheBase) {
    expectDisplays({
        {{"2", "5", "5", key::MS, key::Hex, key::MRC}, "FF"},
        {{key::Hex, key::HexF, key::HexF, key::MS, key::Dec, key::MRC}, "255"},
        {{key::Bin, "1", "0", "1", key::MS, key::MPlus, key::MRC}, "1010"},
        {{"1", "0", "0", key::MS, key::Bin, key::MRC}, "1100100"},
        {{"1", "0", "0", key::MS, key::Bin, key::MRC, key::Dec}, "100"},
        {{"1", "+/-", key::MS, key::Hex, key::MRC}, "FFFFFFFF"},
        {{"1", "+/-", key::MS, key::Oct, key::Word, key::MRC}, "177777"},
        // Beyond the word size: the text says so and the memory is kept.
        {{"2", "5", "5", key::MS, key::Hex, key::Byte, key::MRC}, "Error :overflow"},
        {{"2", "5", "5", key::MS, key::Hex, key::Byte, key::MRC, "CE", key::Dec, key::MRC}, "255"},
        {{"2", ".", "5", key::MS, key::Bin, key::MRC}, "10"},  // halves to even
    });
}

TEST(WholeNumbers, SignChangeIsTwosComplementOfTheWord) {
    expectDisplays({
        {{key::Hex, "1", key::HexF, "+/-"}, "FFFFFFE1"},
        {{key::Hex, key::HexF, "+/-"}, "FFFFFFF1"},
        {{key::Bin, "1", "1", "+/-"}, "11111111111111111111111111111101"},
        {{key::Bin, "1", "1", "+/-", "+", "1", "="}, "11111111111111111111111111111110"},
        {{key::Oct, "1", "+/-", key::Dec}, "-1"},
        {{key::Hex, key::Byte, "7", key::HexF, "+/-"}, "81"},
        {{key::Hex, key::Byte, "8", "0", "+/-"}, "Error :overflow"},
        {{key::Bin, key::Word, "1", "+/-", "+/-"}, "1"},
        {{key::Hex, "8", "0", "0", "0", "0", "0", "0", "0", "+/-"}, "Error :overflow"},
    });
}

TEST(WholeNumbers, FunctionKeysReadTheNumeralAndShowAWholeNumber) {
    expectDisplays({
        {{key::Oct, "2", "0", "cmdsqrt"}, "4"},
        {{key::Bin, "1", "1", "Command12"}, "110"},
        {{key::Oct, "1", "4", "4", "Command11"}, "2"},
        {{key::Hex, "1", "9", "cmdsqrt"}, "5"},
        {{key::Oct, "1", "4", "4", "cmdPercent"}, "1"},
        {{key::Hex, "cmdhex(0)", "x^2"}, "64"},
        {{key::Hex, "1", "0", "x^3"}, "1000"},
        {{key::Bin, "1", "0", "1/x"}, "0"},
        {{key::Bin, "1", "0", "1", "1", "cmdRou"}, "1011"},
        {{key::Hex, "2", "cmdea"}, "7"},
        {{key::Oct, "3", "cmd10x"}, "1750"},
        {{key::Hex, key::HexF, "cmdCont(15)"}, "3"},
        // Domain errors keep their decimal texts.
        {{key::Hex, "1", "+/-", "cmdsqrt"}, "Invalid : input"},
        {{key::Bin, "1", "+/-", "Command12"}, "Invalid: input "},
        {{key::Oct, "2", "cmdCont(3)"}, "Invalid : input"},
        {{key::Hex, "0", "cmdCont(1)"}, "Divide by zero error"},
        // Results beyond the word size.
        {{key::Hex, key::Byte, "1", "0", "x^2"}, "Error :overflow"},
        {{key::Hex, key::Byte, key::HexF, "x^2"}, "Error :overflow"},
        {{key::Hex, key::Word, "1", "0", "0", "x^2"}, "Error :overflow"},
        {{key::Bin, key::Byte, "1", "0", "1", "1", "x^2"}, "1111001"},
        {{key::Oct, "7", "7", "Command12"}, "Error :overflow"},
    });
}

TEST(WholeNumbers, ResultsAreMaskedToTheWordAndReadBackSigned) {
    expectDisplays({
        {{key::Bin, key::Byte, "1", "-", "1", "0", "="}, "11111111"},
        {{key::Oct, key::Word, "0", "-", "1", "="}, "177777"},
        {{key::Bin, key::Byte, "1", "1", "1", "1", "1", "1", "1", "+", "1", "="}, "Error :overflow"},
        {{key::Bin, key::Byte, "1", "1", "1", "1", "1", "1", "1", "1", "+", "1", "="}, "0"},
        {{key::Oct, key::Byte, "3", "7", "7", "*", "3", "="}, "375"},
        {{key::Hex, key::HexF, key::HexF, key::Byte, key::Dec}, "-1"},
        {{key::Hex, key::HexF, key::HexF, key::HexF, key::HexF, key::HexF, key::HexF, key::HexF, key::HexF, key::Dec}, "-1"},
        {{key::Hex, key::HexF, key::HexF, key::HexF, key::HexF, key::Word, key::Dec}, "-1"},
        {{key::Hex, "7", key::HexF, key::Byte, key::Dec}, "127"},
        {{key::Bin, key::Word, "1", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", key::Dec},
         "-32768"},
        {{key::Hex, key::HexF, key::HexF, key::Byte, key::Oct}, "37777777777"},
    });
}

TEST(WholeNumbers, ThePointIsRefusedOutsideDecimal) {
    expectDisplays({
        {{key::Bin, "1", ".", "1", "+", "1", "="}, "100"},
        {{key::Oct, "7", "+", ".", "5", "="}, "14"},
        {{key::Hex, "1", ".", "2"}, "12"},
        {{key::Hex, key::Dec, "1", ".", "2"}, "1.2"},
    });
    for (const char* base : {key::Hex, key::Oct, key::Bin, key::Dec}) {
        Harness h;
        h.press({base});
        EXPECT_EQ(h.form().control(Ctl::Point).enabled, base == key::Dec) << base;
        h.form().control(Ctl::Point).enabled = true;  // even a stray press adds no point
        h.press({"1", "."});
        EXPECT_EQ(h.display(), base == key::Dec ? "1." : "1") << base;
    }
}

TEST(WholeNumbers, RecordedAndListedValuesAreShownInTheBase) {
    expectDisplays({
        {{key::Oct, "1", "7", "+", "1", "+", "cmdNext"}, "17"},
        {{key::Bin, "1", "0", "1", "+", "1", "+", "cmdNext"}, "101"},
        {{"2", "0", "+", key::Hex, "cmdNext"}, "14"},
        {{key::Hex, "cmdStat", key::HexF, "cmdData", "cmdSigmax"}, "F"},
        {{key::Hex, "cmdStat", key::HexF, "cmdData", "cmdData", "cmdXbar"}, "F"},
        {{key::Oct, "cmdStat", "1", "0", "cmdData", "cmdStdNext"}, "10"},
        {{"cmdStat", "1", "0", "cmdData", key::Bin, "cmdStdNext"}, "1010"},
        {{key::Bin, "cmdStat", "1", "cmdData", "cmdstdN"}, "1"},
    });
}

}  // namespace
}  // namespace velmor::testing
