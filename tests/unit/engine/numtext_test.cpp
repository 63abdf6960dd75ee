#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "engine/errors.h"
#include "engine/numtext.h"

namespace velmor {
namespace {

struct TextCase {
    double value;
    const char* text;
};

TEST(NumberText, FifteenDigitsPlainOrExponentForm) {
    const TextCase cases[] = {
        {22.0 / 7.0, "3.14285714285714"},
        {0.5, "0.5"},
        {-3, "-3"},
        {0, "0"},
        {-0.0, "0"},
        {1e15, "1E+15"},
        {1.5e-7, "1.5E-07"},
        {0.0001, "0.0001"},
        {1e-5, "1E-05"},
        {123456789012345.0, "123456789012345"},
        {999999999999999.0, "999999999999999"},
        {9999999999999995.0, "1E+16"},
        {1234567890123456.0, "1.23456789012346E+15"},
        {-0.5, "-0.5"},
        {65535.0 * 16 + 15, "1048575"},
        {7.257415615307999e306, "7.257415615308E+306"},
        {1e100, "1E+100"},
        {-2.5e-300, "-2.5E-300"},
        {0.1 + 0.2, "0.3"},
        {100, "100"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
        {std::numeric_limits<double>::max(), "1.79769313486232E+308"},
    };
    for (const auto& c : cases) EXPECT_EQ(numberText(c.value), c.text) << c.value;
}

TEST(NumberText, NonFiniteValuesAreOverflow) {
    for (double v : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                     std::numeric_limits<double>::quiet_NaN()}) {
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
    double value;
};

TEST(LeadingNumber, ReadsTheNumericPrefix) {
    const ParseCase cases[] = {
        {"12abc", 12},    {"Infinity", 0}, {".", 0},          {"-", 0},
        {"", 0},          {"1E+16", 1e16}, {" 1 2", 12},      {"&HFF", 255},
        {"&hff", 255},    {"&O17", 15},    {"&HFFFFFFFF", -1}, {"-2.50", -2.5},
        {"1.2.3", 1.2},   {"3E", 3},       {"3E+", 3},        {"2e3", 2000},
        {"1\t2\n3", 123}, {"+7", 7},       {"- 4", -4},       {"1.5E-07", 1.5e-7},
        {"0.0001", 0.0001}, {"1E-400", 0}, {"-1E-400", 0},    {"nan", 0},
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
    EXPECT_THROW(leadingNumber(digits), CalcError);  // far beyond the double range
    EXPECT_NEAR(leadingNumber("0." + digits), 0.7777777777777778, 1e-15);
}

TEST(StrictNumber, ReadsWholeNumbersOnly) {
    const ParseCase cases[] = {
        {"12", 12},      {" 12 ", 12},   {"-0.5", -0.5}, {"1,234.5", 1234.5}, {"1.5E-07", 1.5e-7},
        {"+3", 3},       {"007", 7},     {".5", 0.5},    {"5.", 5},           {"&HFF", 255},
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
        {"1E400", ErrCode::Overflow},       {"12\n", ErrCode::TypeMismatch},
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

TEST(Round32, HalvesGoToTheEvenNeighbour) {
    const struct {
        double value;
        std::int32_t rounded;
    } cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {2.6, 3}, {2.4, 2}, {0.5, 0}, {1.5, 2},
                 {2147483647.0, 2147483647}, {-2147483648.0, -2147483647 - 1}, {2147483647.4, 2147483647}};
    for (const auto& c : cases) EXPECT_EQ(round32(c.value), c.rounded) << c.value;
    for (double v : {2147483647.5, 2147483648.0, -2147483648.6, 1e300,
                     std::numeric_limits<double>::quiet_NaN()})
        EXPECT_THROW(round32(v), CalcError) << v;
}

TEST(IntMod, RemainderTakesTheSignOfTheDividend) {
    EXPECT_EQ(intMod(7, 3), 1);
    EXPECT_EQ(intMod(-7, 3), -1);
    EXPECT_EQ(intMod(7, -3), 1);
    EXPECT_EQ(intMod(1, 7), 1);
    EXPECT_EQ(intMod(7.5, 2.5), 0);  // 8 Mod 2
    EXPECT_EQ(intMod(-2147483648.0, -1), 0);
    try {
        intMod(5, 0.4);
        ADD_FAILURE();
    } catch (const CalcError& e) {
        EXPECT_EQ(e.code, ErrCode::DivByZero);
    }
}

TEST(RoundTrip, NumberTextReadsBackToTheSameText) {
    std::uint64_t state = 0x9E3779B97F4A7C15ull;
    for (int i = 0; i < 20000; ++i) {
        state ^= state << 13; state ^= state >> 7; state ^= state << 17;
        double v;
        std::memcpy(&v, &state, sizeof v);
        if (!std::isfinite(v)) continue;
        const std::string text = numberText(v);
        EXPECT_EQ(numberText(leadingNumber(text)), text);
        EXPECT_EQ(numberText(strictNumber(text)), text);
    }
}

}  // namespace
}  // namespace velmor
