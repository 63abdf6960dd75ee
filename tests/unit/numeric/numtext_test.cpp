#include <gtest/gtest.h>

#include <string>

#include "numeric/errors.h"
#include "numeric/numtext.h"

namespace velmor {
namespace {

Decimal D(const char* text) { return Decimal::fromText(text); }

struct TextCase {
    Decimal value;
    const char* text;
};

TEST(NumberText, FifteenDigitsPlainOrExponentForm) {
    const TextCase cases[] = {
        {Decimal(22) / 7, "3.14285714285714"},
        {D("0.5"), "0.5"},
        {-3, "-3"},
        {0, "0"},
        {D("-0"), "0"},
        {D("1E15"), "1E+15"},
        {D("1.5E-7"), "1.5E-07"},
        {D("0.0001"), "0.0001"},
        {D("1E-5"), "1E-05"},
        {D("123456789012345"), "123456789012345"},
        {D("999999999999999"), "999999999999999"},
        {D("9999999999999995"), "1E+16"},
        {D("1234567890123456"), "1.23456789012346E+15"},
        {D("-0.5"), "-0.5"},
        {D("1048575"), "1048575"},
        {D("7.257415615307999E306"), "7.257415615308E+306"},
        {D("1E100"), "1E+100"},
        {D("-2.5E-300"), "-2.5E-300"},
        {D("0.1") + D("0.2"), "0.3"},
        {100, "100"},
        {Decimal(1) / 3, "0.333333333333333"},
        {Decimal(2) / 3, "0.666666666666667"},
        // Ties at the 16th digit go to the even neighbour.
        {D("0.1234567890123445"), "0.123456789012344"},
        {D("0.1234567890123455"), "0.123456789012346"},
        {D("0.12345678901234450000000000000001"), "0.123456789012345"},
        {D("9.999999999999995"), "10"},
        // The range: the smallest double and the largest value the display shows.
        {D("4.9406564584124654E-324"), "4.94065645841247E-324"},
        {D("4.9406564584124653E-324"), "0"},
        {D("1E-320"), "1E-320"},
        {D("1.79769313486232E308"), "1.79769313486232E+308"},
        {D("1.797693134862325E308"), "1.79769313486232E+308"},
    };
    for (const auto& c : cases) EXPECT_EQ(numberText(c.value), c.text) << c.value;
}

TEST(NumberText, ValuesBeyondTheRangeAreOverflow) {
    for (Decimal v : {D("Inf"), D("-Inf"), D("NaN"), D("1.7976931348623251E308"), D("-1.79769313486233E308"), D("1E309")}) {
        try {
            numberText(v);
            ADD_FAILURE() << "no failure for " << v;
        } catch (const CalcError& e) {
            EXPECT_EQ(e.code, ErrCode::Overflow);
        }
    }
}

struct ParseCase {
    const char* text;
    Decimal value;
};

TEST(LeadingNumber, ReadsTheNumericPrefix) {
    const ParseCase cases[] = {
        {"12abc", 12},    {"Infinity", 0}, {".", 0},          {"-", 0},
        {"", 0},          {"1E+16", D("1E16")}, {" 1 2", 12}, {"&HFF", 255},
        {"&hff", 255},    {"&O17", 15},    {"&HFFFFFFFF", -1}, {"-2.50", D("-2.5")},
        {"1.2.3", D("1.2")}, {"3E", 3},    {"3E+", 3},        {"2e3", 2000},
        {"1\t2\n3", 123}, {"+7", 7},       {"- 4", -4},       {"1.5E-07", D("1.5E-7")},
        {"0.0001", D("0.0001")}, {"1E-400", 0}, {"-1E-400", 0}, {"nan", 0},
        // Every digit of a typed decimal counts, up to 34 of them.
        {"0.1", D("0.1")}, {"3.14159265358979", D("3.14159265358979")},
        {"1.79769313486232E+308", D("1.79769313486232E308")}, {"1E-320", D("1E-320")},
        {"0.12345678901234567890123456789012345", D("0.1234567890123456789012345678901234")},
        {"0.12345678901234567890123456789012355", D("0.1234567890123456789012345678901236")},
        {"inf", 0},       {"07", 7},       {"1,5", 1},        {"E5", 0},
        {"Result = 19", 0}, {"12+7", 12},  {"&H", 0},         {"&X12", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(leadingNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(LeadingNumber, BeyondTheRangeIsOverflow) {
    for (const char* text : {"1E400", "-1E400", "&HFFFFFFFFFFFF", "&O777777777777"}) {
        try {
            leadingNumber(text);
            ADD_FAILURE() << text;
        } catch (const CalcError& e) {
            EXPECT_EQ(e.code, ErrCode::Overflow) << text;
        }
    }
}

TEST(LeadingNumber, AMegabyteOfDigitsIsReadWithoutTrouble) {
    const std::string digits(1 << 20, '7');
    EXPECT_THROW(leadingNumber(digits), CalcError);  // far beyond the range
    EXPECT_EQ(leadingNumber("0." + digits), D("0.7777777777777777777777777777777778"));
}

TEST(StrictNumber, ReadsWholeNumbersOnly) {
    const ParseCase cases[] = {
        {"12", 12},      {" 12 ", 12},   {"-0.5", D("-0.5")}, {"1,234.5", D("1234.5")}, {"1.5E-07", D("1.5E-7")},
        {"+3", 3},       {"007", 7},     {".5", D("0.5")},    {"5.", 5},           {"&HFF", 255},
        {"1E-400", 0},   {"2e3", 2000},
    };
    for (const auto& c : cases) EXPECT_EQ(strictNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(StrictNumber, RefusesWhatIsNotANumber) {
    const struct {
        const char* text;
        ErrCode code;
    } cases[] = {
        {"", ErrCode::TypeMismatch},        {"12abc", ErrCode::TypeMismatch}, {".", ErrCode::TypeMismatch},
        {"-", ErrCode::TypeMismatch},       {"Error", ErrCode::TypeMismatch}, {"FF", ErrCode::TypeMismatch},
        {"1E", ErrCode::TypeMismatch},      {",5", ErrCode::TypeMismatch},    {"1 2", ErrCode::TypeMismatch},
        {"1E400", ErrCode::Overflow},       {"1\n2", ErrCode::TypeMismatch},
    };
    for (const auto& c : cases) {
        try {
            strictNumber(c.text);
            ADD_FAILURE() << '"' << c.text << '"';
        } catch (const CalcError& e) {
            EXPECT_EQ(e.code, c.code) << '"' << c.text << '"';
        }
    }
}

// The whole value as text reads back as the very value, in the layout the formula reads.
TEST(ExactText, KeepsEveryDigit) {
    const struct {
        Decimal value;
        const char* text;
    } cases[] = {
        {Decimal(1) / 3, "0.3333333333333333333333333333333333"},
        {Decimal::fromText("0.1234567890123456"), "0.1234567890123456"},
        {Decimal::fromText("-1.5E-300"), "-1.5E-300"},
        {Decimal::fromText("1E300"), "1E300"},
        {Decimal::fromText("123456789012345678901234567890"), "123456789012345678901234567890"},
        {Decimal::fromText("0.0000123"), "0.0000123"},
        {Decimal::fromText("-2.50"), "-2.5"},
        {Decimal(0), "0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(exactText(c.value), c.text) << c.value;
        EXPECT_EQ(strictNumber(exactText(c.value)), c.value) << c.value;
    }
}

TEST(Round32, HalvesGoToTheEvenNeighbour) {
    const struct {
        Decimal value;
        std::int32_t rounded;
    } cases[] = {{D("2.5"), 2}, {D("3.5"), 4}, {D("-2.5"), -2}, {D("2.6"), 3}, {D("2.4"), 2}, {D("0.5"), 0}, {D("1.5"), 2},
                 {D("2147483647"), 2147483647}, {D("-2147483648"), -2147483647 - 1}, {D("2147483647.4"), 2147483647},
                 {D("2.5000000000000000000000000000001"), 3}};
    for (const auto& c : cases) EXPECT_EQ(round32(c.value), c.rounded) << c.value;
    for (Decimal v : {D("2147483647.5"), D("2147483648"), D("-2147483648.6"), D("1E300"), D("NaN")})
        EXPECT_THROW(round32(v), CalcError) << v;
}

TEST(IntMod, RemainderTakesTheSignOfTheDividend) {
    EXPECT_EQ(intMod(7, 3), 1);
    EXPECT_EQ(intMod(-7, 3), -1);
    EXPECT_EQ(intMod(7, -3), 1);
    EXPECT_EQ(intMod(1, 7), 1);
    EXPECT_EQ(intMod(D("7.5"), D("2.5")), 0);  // 8 Mod 2
    EXPECT_EQ(intMod(D("-2147483648"), -1), 0);
    try {
        intMod(5, D("0.4"));
        ADD_FAILURE();
    } catch (const CalcError& e) {
        EXPECT_EQ(e.code, ErrCode::DivByZero);
    }
}

// Every text the display shows reads back as exactly its own value, so text ->
// number -> text is the identity, across the whole range and every layout.
TEST(RoundTrip, EveryShownTextReadsBackToItself) {
    std::uint64_t state = 0x9E3779B97F4A7C15ull;
    const auto next = [&] {
        state ^= state << 13; state ^= state >> 7; state ^= state << 17;
        return state;
    };
    for (int i = 0; i < 20000; ++i) {
        // 15 significant digits (some of them trailing zeros) from 1E-323 to 9.99...E+307.
        const std::string digits = std::to_string(100000000000000ull + next() % 900000000000000ull / (next() % 2 ? 1 : 1000) * (next() % 2 ? 1 : 1000));
        const int exponent = static_cast<int>(next() % 631) - 323;
        const std::string typed = (next() % 2 ? "-" : "") + digits.substr(0, 1) + "." + digits.substr(1) + "E" + std::to_string(exponent);
        const std::string text = numberText(leadingNumber(typed));
        EXPECT_EQ(numberText(leadingNumber(text)), text);
        EXPECT_EQ(numberText(strictNumber(text)), text);
        EXPECT_EQ(leadingNumber(text), strictNumber(text)) << text;
    }
}

}  // namespace
}  // namespace velmor
