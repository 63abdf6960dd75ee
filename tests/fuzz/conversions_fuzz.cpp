// libFuzzer target for the display conversions and the base numeral readers.
// The first byte picks the conversion, the rest is the text (or the bits of a value).
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bases/radix.h"
#include "engine/errors.h"
#include "engine/numtext.h"

namespace {

using namespace velmor;

void require(bool ok) {
    if (!ok) std::abort();
}

// number -> text -> number gives the same 15-digit text
void textRoundTrip(double value) {
    if (!std::isfinite(value)) return;
    const std::string text = numberText(value);
    require(text.find("inf") == std::string::npos && text.find("nan") == std::string::npos);
    require(numberText(leadingNumber(text)) == text);
    require(numberText(strictNumber(text)) == text);
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
            if (text.size() >= sizeof(double)) {
                double value;
                std::memcpy(&value, text.data(), sizeof value);
                try {
                    textRoundTrip(value);
                } catch (const CalcError&) {
                }
            }
            break;
        case 3:
            if (text.size() >= sizeof(std::int32_t)) {
                std::int32_t value;
                std::memcpy(&value, text.data(), sizeof value);
                baseRoundTrip(value);
            }
            break;
    }
    return 0;
}
