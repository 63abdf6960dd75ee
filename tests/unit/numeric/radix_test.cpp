#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "numeric/errors.h"
#include "numeric/radix.h"
#include "support/decimals.h"

namespace velmor {
namespace {

ErrCode failureOf(auto&& call) {
    try {
        call();
    } catch (const CalcError& e) {
        return e.code;
    }
    return ErrCode{0};
}

struct TextCase {
    testing::Num value;
    const char* binary;
    const char* octal;
    const char* hex;
};

TEST(RadixText, RoundsOnceAndWritesEveryDigit) {
    const TextCase cases[] = {
        {0, "0", "0", "0"},
        {100, "1100100", "144", "64"},
        {2.5, "10", "2", "2"},           // halves go to the even neighbour
        {3.5, "100", "4", "4"},
        {1.6, "10", "2", "2"},
        {0.6, "1", "1", "1"},
        {0.4, "0", "0", "0"},
        {-0.4, "0", "0", "0"},
        {65535, "1111111111111111", "177777", "FFFF"},
        {-5, "11111111111111111111111111111011", "37777777773", "FFFFFFFB"},
        {-1, "11111111111111111111111111111111", "37777777777", "FFFFFFFF"},
        {2147483647, "1111111111111111111111111111111", "17777777777", "7FFFFFFF"},
        {-2147483648.0, "10000000000000000000000000000000", "20000000000", "80000000"},
        {2147483647.4, "1111111111111111111111111111111", "17777777777", "7FFFFFFF"},
        {305441741, "10010001101001010101111001101", "2215125715", "1234ABCD"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(radix::binaryText(c.value), c.binary) << c.value.value;
        EXPECT_EQ(radix::octalText(c.value), c.octal) << c.value.value;
        EXPECT_EQ(radix::hexText(c.value), c.hex) << c.value.value;
    }
}

TEST(RadixText, ValuesBeyondThirtyTwoBitsOverflow) {
    for (const char* text : {"2147483647.5", "2147483648", "4294967295", "-2147483648.6", "1E300", "Inf", "-Inf", "NaN"}) {
        const Decimal v = Decimal::fromText(text);
        EXPECT_EQ(failureOf([&] { radix::binaryText(v); }), ErrCode::Overflow) << v;
        EXPECT_EQ(failureOf([&] { radix::octalText(v); }), ErrCode::Overflow) << v;
        EXPECT_EQ(failureOf([&] { radix::hexText(v); }), ErrCode::Overflow) << v;
    }
}

struct ReadCase {
    std::int32_t (*read)(std::string_view);
    const char* numeral;
    std::int32_t value;
};

TEST(RadixRead, ReadsUpToThirtyTwoBitsWithTheTwosComplementRule) {
    const auto bin = radix::readBinary;
    const auto oct = radix::readOctal;
    const auto hex = radix::readHex;
    const ReadCase cases[] = {
        {bin, "0", 0},
        {bin, "1100100", 100},
        {bin, "10000000000", 1024},
        {bin, "1111111111", 1023},
        {bin, "1111111111111111111111111111111", 2147483647},
        {bin, "10000000000000000000000000000000", -2147483647 - 1},
        {bin, "11111111111111111111111111111111", -1},
        {bin, "000000000000000000000000000000000101", 5},  // leading zeros carry no bits
        {oct, "144", 100},
        {oct, "17777777777", 2147483647},
        {oct, "20000000000", -2147483647 - 1},
        {oct, "37777777777", -1},
        {oct, "0377", 255},
        {hex, "FF", 255},
        {hex, "1A", 26},
        {hex, "FFFF", 65535},
        {hex, "7FFFFFFF", 2147483647},
        {hex, "80000000", -2147483647 - 1},
        {hex, "FFFFFFFF", -1},
        {hex, "1234ABCD", 305441741},
        {hex, "0000000012", 18},
        {hex, "909", 2313},  // decimal digits of a hexadecimal numeral are its digits
    };
    for (const auto& c : cases) EXPECT_EQ(c.read(c.numeral), c.value) << c.numeral;
}

struct RefusedCase {
    std::int32_t (*read)(std::string_view);
    const char* numeral;
    ErrCode code;
};

TEST(RadixRead, RefusesForeignDigitsAndValuesOfThirtyThreeBits) {
    const auto bin = radix::readBinary;
    const auto oct = radix::readOctal;
    const auto hex = radix::readHex;
    const RefusedCase cases[] = {
        {bin, "", ErrCode::TypeMismatch},
        {bin, "102", ErrCode::TypeMismatch},
        {bin, "1.0", ErrCode::TypeMismatch},
        {bin, "-1", ErrCode::TypeMismatch},
        {bin, "100000000000000000000000000000000", ErrCode::Overflow},  // 2^32
        {oct, "", ErrCode::TypeMismatch},
        {oct, "19", ErrCode::TypeMismatch},
        {oct, "8", ErrCode::TypeMismatch},
        {oct, "40000000000", ErrCode::Overflow},  // 2^32
        {oct, "77777777777", ErrCode::Overflow},
        {hex, "", ErrCode::TypeMismatch},
        {hex, "fg", ErrCode::TypeMismatch},
        {hex, "1G", ErrCode::TypeMismatch},
        {hex, " FF", ErrCode::TypeMismatch},
        {hex, "100000000", ErrCode::Overflow},  // 2^32
        {hex, "FFFFFFFFFFFFFFFFFFFFFFFF", ErrCode::Overflow},
        {hex, "FFFFFFFFFFFFFFFFFFFFFFFG", ErrCode::TypeMismatch},  // a foreign digit wins over the size
    };
    for (const auto& c : cases)
        EXPECT_EQ(failureOf([&] { c.read(c.numeral); }), c.code) << '"' << c.numeral << '"';
}

TEST(RadixRoundTrip, SampledIntegersReadBackFromEveryBase) {
    std::uint32_t state = 0x2545F491u;
    for (int i = 0; i < 20000; ++i) {
        state ^= state << 13; state ^= state >> 17; state ^= state << 5;
        const auto v = static_cast<std::int32_t>(state);
        ASSERT_EQ(radix::readBinary(radix::binaryText(v)), v);
        ASSERT_EQ(radix::readOctal(radix::octalText(v)), v);
        ASSERT_EQ(radix::readHex(radix::hexText(v)), v);
    }
}

}  // namespace
}  // namespace velmor
