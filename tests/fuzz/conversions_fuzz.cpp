// libFuzzer target for the display conversions and the base numeral readers.
// The first byte picks the conversion, the rest is the text (or the bits of a value).
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "numeric/errors.h"
#include "numeric/numtext.h"
#include "numeric/radix.h"

namespace {

using namespace velmor;

void require(bool ok) {
    if (!ok) std::abort();
}

// number -> text -> number gives the same 15-digit text, and the text reads
// back as exactly the value it shows (text -> number -> text is the identity)
void textRoundTrip(Decimal value) {
    std::string text;
    try {
        text = numberText(value);
    } catch (const CalcError&) {
        return;  // beyond the range: nothing is shown
    }
    require(text.find("nf") == std::string::npos && text.find("aN") == std::string::npos);
    const Decimal shown = leadingNumber(text);
    require(numberText(shown) == text);
    require(strictNumber(text) == shown);
    require(numberText(leadingNumber(numberText(shown))) == text);
}

// A text of 15 significant digits and an exponent, made from the bytes.
void fifteenDigitRoundTrip(const std::string& bytes) {
    if (bytes.size() < 10) return;
    std::uint64_t mantissa = 0;
    std::memcpy(&mantissa, bytes.data(), sizeof mantissa);
    std::int16_t exponent = 0;
    std::memcpy(&exponent, bytes.data() + 8, sizeof exponent);
    const std::string digits = std::to_string(100000000000000ull + mantissa % 900000000000000ull);
    const std::string text = (exponent & 1 ? "-" : "") + digits.substr(0, 1) + "." + digits.substr(1) + "E" +
                             std::to_string(exponent % 330);
    try {
        textRoundTrip(leadingNumber(text));
    } catch (const CalcError&) {
    }
}

void parsers(const std::string& text) {
    try {
        textRoundTrip(leadingNumber(text));
    } catch (const CalcError&) {
    }
    try {
        textRoundTrip(strictNumber(text));
    } catch (const CalcError&) {
    }
}

// Dec -> base -> Dec gives the same 32-bit integer
void baseRoundTrip(std::int32_t value) {
    require(radix::readBinary(radix::binaryText(value)) == value);
    require(radix::readOctal(radix::octalText(value)) == value);
    require(radix::readHex(radix::hexText(value)) == value);
}

// A signed value written as the numeral of each word reads back as itself;
// only values outside a word's range are refused.
void wordRoundTrip(std::int32_t value) {
    for (int base : {2, 8, 16}) {
        for (int bits : {8, 16, 32}) {
            const radix::Word word{base, bits};
            const std::int64_t limit = std::int64_t{1} << (bits - 1);
            try {
                const std::string text = radix::wordText(value, word);
                require(radix::readWordNumeral(text, word) == value);
                require(radix::leadingWordNumeral(text + "x", word) == value);
            } catch (const CalcError&) {
                require(value < -limit || value >= limit);
            }
        }
    }
}

void readers(const std::string& text) {
    using Reader = std::int32_t (*)(std::string_view);
    for (Reader read : {Reader(radix::readBinary), Reader(radix::readOctal), Reader(radix::readHex)}) {
        try {
            baseRoundTrip(read(text));
        } catch (const CalcError&) {
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    switch (data[0] % 4) {
        case 0: parsers(text); break;
        case 1: readers(text); break;
        case 2:
            if (text.size() >= sizeof(Decimal::Bits)) {
                Decimal::Bits bits;
                std::memcpy(&bits, text.data(), sizeof bits);
                textRoundTrip(Decimal::fromBits(bits));
            }
            fifteenDigitRoundTrip(text);
            break;
        case 3:
            if (text.size() >= sizeof(std::int32_t)) {
                std::int32_t value;
                std::memcpy(&value, text.data(), sizeof value);
                baseRoundTrip(value);
                wordRoundTrip(value);
            }
            break;
    }
    return 0;
}
