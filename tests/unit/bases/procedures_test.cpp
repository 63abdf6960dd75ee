#include <gtest/gtest.h>

#include "bases/procedures.h"
#include "engine/form.h"
#include "numeric/errors.h"
#include "support/decimals.h"
#include "support/fake_platform.h"

namespace velmor {
namespace {

struct Procedures : ::testing::Test {
    testing::FakePlatform platform;
    Form form{platform};

    // Runs a procedure expected to fail and checks the display was not touched.
    void expectRefused(const char* display, ErrCode code, void (*procedure)(Form&)) {
        form.display() = display;
        try {
            procedure(form);
            ADD_FAILURE() << "no failure for \"" << display << '"';
        } catch (const CalcError& e) {
            EXPECT_EQ(e.code, code) << '"' << display << '"';
        }
        EXPECT_EQ(form.display(), display);
    }
};

TEST_F(Procedures, EnablesSetsDigitsTwoToNineAndTheLetters) {
    for (bool digits : {false, true}) {
        for (bool letters : {false, true}) {
            form.control(digitKey(0)).enabled = false;
            Enables(form, digits, letters);
            EXPECT_FALSE(form.control(digitKey(0)).enabled);  // 0 and 1 are never touched
            EXPECT_TRUE(form.control(digitKey(1)).enabled);
            for (int d = 2; d <= 9; ++d) EXPECT_EQ(form.control(digitKey(d)).enabled, digits) << d;
            for (int k = 0; k < 6; ++k) EXPECT_EQ(form.control(hexKey(k)).enabled, letters) << k;
        }
    }
}

TEST_F(Procedures, DecbinWritesTheWholeBinaryNumeral) {
    const struct {
        testing::Num value;
        const char* display;
    } cases[] = {
        {13, "1101"}, {2.5, "10"}, {3.5, "100"}, {1.6, "10"}, {0.6, "1"}, {0, "0"},
        {32767, "111111111111111"}, {65535, "1111111111111111"},
        {-5, "11111111111111111111111111111011"}, {-1, "11111111111111111111111111111111"},
        {2147483647, "1111111111111111111111111111111"},
        {-2147483648.0, "10000000000000000000000000000000"},
    };
    for (const auto& c : cases) {
        form.display() = "junk";
        decbin(form, c.value);
        EXPECT_EQ(form.display(), c.display) << c.value.value;
    }
    expectRefused("7", ErrCode::Overflow, [](Form& f) { decbin(f, Decimal::fromText("2147483648")); });
}

TEST_F(Procedures, OctdeciReadsTheDisplay) {
    const struct {
        const char* display;
        const char* decimal;
    } cases[] = {{"144", "100"}, {"0", "0"}, {"17777777777", "2147483647"}, {"20000000000", "-2147483648"},
                 {"37777777777", "-1"}, {"177777", "65535"}, {" 377 ", "255"}};
    for (const auto& c : cases) {
        form.display() = c.display;
        Octdeci(form);
        EXPECT_EQ(form.display(), c.decimal) << c.display;
    }
    expectRefused("19", ErrCode::TypeMismatch, [](Form& f) { Octdeci(f); });
    expectRefused("", ErrCode::TypeMismatch, [](Form& f) { Octdeci(f); });
    expectRefused("1E+15", ErrCode::TypeMismatch, [](Form& f) { Octdeci(f); });
    expectRefused("40000000000", ErrCode::Overflow, [](Form& f) { Octdeci(f); });
}

TEST_F(Procedures, BinDecReadsItsNumeral) {
    const struct {
        const char* numeral;
        const char* decimal;
    } cases[] = {{"1100100", "100"}, {"0", "0"}, {"1111111111", "1023"}, {"10000000000", "1024"},
                 {"1111111111111111111111111111111", "2147483647"},
                 {"10000000000000000000000000000000", "-2147483648"},
                 {"11111111111111111111111111111111", "-1"}};
    for (const auto& c : cases) {
        binDec(form, c.numeral);
        EXPECT_EQ(form.display(), c.decimal) << c.numeral;
    }
    expectRefused("5", ErrCode::TypeMismatch, [](Form& f) { binDec(f, "12"); });
    expectRefused("5", ErrCode::TypeMismatch, [](Form& f) { binDec(f, ""); });
    expectRefused("5", ErrCode::Overflow, [](Form& f) { binDec(f, "100000000000000000000000000000000"); });
}

TEST_F(Procedures, HexdeciWritesTheDecimalAndLeavesTheBinaryInTheWorkBox) {
    const struct {
        const char* numeral;
        const char* decimal;
        const char* binary;
    } cases[] = {
        {"FF", "255", "11111111"},
        {"1A", "26", "11010"},
        {"3FF", "1023", "1111111111"},
        {"FFFF", "65535", "1111111111111111"},
        {"7FFFFFFF", "2147483647", "1111111111111111111111111111111"},
        {"80000000", "-2147483648", "10000000000000000000000000000000"},
        {"FFFFFFFF", "-1", "11111111111111111111111111111111"},
        {"90", "144", "10010000"},
    };
    for (const auto& c : cases) {
        Hexdeci(form, c.numeral);
        EXPECT_EQ(form.display(), c.decimal) << c.numeral;
        EXPECT_EQ(form.control(Ctl::WorkValue).text, c.binary) << c.numeral;
    }
    expectRefused("1", ErrCode::TypeMismatch, [](Form& f) { Hexdeci(f, "ff"); });
    expectRefused("1", ErrCode::TypeMismatch, [](Form& f) { Hexdeci(f, ""); });
    expectRefused("1", ErrCode::Overflow, [](Form& f) { Hexdeci(f, "100000000"); });
}

}  // namespace
}  // namespace velmor
