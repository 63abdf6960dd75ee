// Hex, Oct and Bin are a whole-number calculator: every key reads the numeral
// as a signed whole number of the word size and writes its result as one.
#include <gtest/gtest.h>

#include "support/keys.h"

namespace velmor::testing {
namespace {

constexpr const char* kHex = "Option1(0)";
constexpr const char* kDec = "Option1(1)";
constexpr const char* kOct = "Option1(2)";
constexpr const char* kBin = "Option1(3)";
constexpr const char* kWord = "optRad";
constexpr const char* kByte = "optGrad";
constexpr const char* kMS = "Command5";
constexpr const char* kMPlus = "Command6";
constexpr const char* kMRC = "Command4";
constexpr const char* kF = "cmdhex(5)";

TEST(WholeNumbers, MemoryHoldsAValueAndRecallsItInTheBase) {
    expectDisplays({
        {{"2", "5", "5", kMS, kHex, kMRC}, "FF"},
        {{kHex, kF, kF, kMS, kDec, kMRC}, "255"},
        {{kBin, "1", "0", "1", kMS, kMPlus, kMRC}, "1010"},
        {{"1", "0", "0", kMS, kBin, kMRC}, "1100100"},
        {{"1", "0", "0", kMS, kBin, kMRC, kDec}, "100"},
        {{"1", "+/-", kMS, kHex, kMRC}, "FFFFFFFF"},
        {{"1", "+/-", kMS, kOct, kWord, kMRC}, "177777"},
        // Beyond the word size: the text says so and the memory is kept.
        {{"2", "5", "5", kMS, kHex, kByte, kMRC}, "Error :overflow"},
        {{"2", "5", "5", kMS, kHex, kByte, kMRC, "CE", kDec, kMRC}, "255"},
        {{"2", ".", "5", kMS, kBin, kMRC}, "10"},  // halves to even
    });
}

TEST(WholeNumbers, SignChangeIsTwosComplementOfTheWord) {
    expectDisplays({
        {{kHex, "1", kF, "+/-"}, "FFFFFFE1"},
        {{kHex, kF, "+/-"}, "FFFFFFF1"},
        {{kBin, "1", "1", "+/-"}, "11111111111111111111111111111101"},
        {{kBin, "1", "1", "+/-", "+", "1", "="}, "11111111111111111111111111111110"},
        {{kOct, "1", "+/-", kDec}, "-1"},
        {{kHex, kByte, "7", kF, "+/-"}, "81"},
        {{kHex, kByte, "8", "0", "+/-"}, "Error :overflow"},
        {{kBin, kWord, "1", "+/-", "+/-"}, "1"},
        {{kHex, "8", "0", "0", "0", "0", "0", "0", "0", "+/-"}, "Error :overflow"},
    });
}

TEST(WholeNumbers, FunctionKeysReadTheNumeralAndShowAWholeNumber) {
    expectDisplays({
        {{kOct, "2", "0", "cmdsqrt"}, "4"},
        {{kBin, "1", "1", "Command12"}, "110"},
        {{kOct, "1", "4", "4", "Command11"}, "2"},
        {{kHex, "1", "9", "cmdsqrt"}, "5"},
        {{kOct, "1", "4", "4", "cmdPercent"}, "1"},
        {{kHex, "cmdhex(0)", "x^2"}, "64"},
        {{kHex, "1", "0", "x^3"}, "1000"},
        {{kBin, "1", "0", "1/x"}, "0"},
        {{kBin, "1", "0", "1", "1", "cmdRou"}, "1011"},
        {{kHex, "2", "cmdea"}, "7"},
        {{kOct, "3", "cmd10x"}, "1750"},
        {{kHex, kF, "cmdCont(15)"}, "3"},
        // Domain errors keep their decimal texts.
        {{kHex, "1", "+/-", "cmdsqrt"}, "Invalid : input"},
        {{kBin, "1", "+/-", "Command12"}, "Invalid: input "},
        {{kOct, "2", "cmdCont(3)"}, "Invalid : input"},
        {{kHex, "0", "cmdCont(1)"}, "Divide by zero error"},
        // Results beyond the word size.
        {{kHex, kByte, "1", "0", "x^2"}, "Error :overflow"},
        {{kHex, kByte, kF, "x^2"}, "Error :overflow"},
        {{kHex, kWord, "1", "0", "0", "x^2"}, "Error :overflow"},
        {{kBin, kByte, "1", "0", "1", "1", "x^2"}, "1111001"},
        {{kOct, "7", "7", "Command12"}, "Error :overflow"},
    });
}

TEST(WholeNumbers, ResultsAreMaskedToTheWordAndReadBackSigned) {
    expectDisplays({
        {{kBin, kByte, "1", "-", "1", "0", "="}, "11111111"},
        {{kOct, kWord, "0", "-", "1", "="}, "177777"},
        {{kBin, kByte, "1", "1", "1", "1", "1", "1", "1", "+", "1", "="}, "Error :overflow"},
        {{kBin, kByte, "1", "1", "1", "1", "1", "1", "1", "1", "+", "1", "="}, "0"},
        {{kOct, kByte, "3", "7", "7", "*", "3", "="}, "375"},
        {{kHex, kF, kF, kByte, kDec}, "-1"},
        {{kHex, kF, kF, kF, kF, kF, kF, kF, kF, kDec}, "-1"},
        {{kHex, kF, kF, kF, kF, kWord, kDec}, "-1"},
        {{kHex, "7", kF, kByte, kDec}, "127"},
        {{kBin, kWord, "1", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", kDec},
         "-32768"},
        {{kHex, kF, kF, kByte, kOct}, "37777777777"},
    });
}

TEST(WholeNumbers, ThePointIsRefusedOutsideDecimal) {
    expectDisplays({
        {{kBin, "1", ".", "1", "+", "1", "="}, "100"},
        {{kOct, "7", "+", ".", "5", "="}, "14"},
        {{kHex, "1", ".", "2"}, "12"},
        {{kHex, kDec, "1", ".", "2"}, "1.2"},
    });
    for (const char* base : {kHex, kOct, kBin, kDec}) {
        Harness h;
        h.press({base});
        EXPECT_EQ(h.form().control(Ctl::Point).enabled, base == kDec) << base;
        h.form().control(Ctl::Point).enabled = true;  // even a stray press adds no point
        h.press({"1", "."});
        EXPECT_EQ(h.display(), base == kDec ? "1." : "1") << base;
    }
}

TEST(WholeNumbers, RecordedAndListedValuesAreShownInTheBase) {
    expectDisplays({
        {{kOct, "1", "7", "+", "1", "+", "cmdNext"}, "17"},
        {{kBin, "1", "0", "1", "+", "1", "+", "cmdNext"}, "101"},
        {{"2", "0", "+", kHex, "cmdNext"}, "14"},
        {{kHex, "cmdStat", kF, "cmdData", "cmdSigmax"}, "F"},
        {{kHex, "cmdStat", kF, "cmdData", "cmdData", "cmdXbar"}, "F"},
        {{kOct, "cmdStat", "1", "0", "cmdData", "cmdStdNext"}, "10"},
        {{"cmdStat", "1", "0", "cmdData", kBin, "cmdStdNext"}, "1010"},
        {{kBin, "cmdStat", "1", "cmdData", "cmdstdN"}, "1"},
    });
}

}  // namespace
}  // namespace velmor::testing
