#include <cstdint>
#include <string>

#include "bases/base_keys.h"
#include "bases/procedures.h"
#include "engine/form.h"
#include "numeric/errors.h"
#include "numeric/radix.h"

namespace velmor {
namespace {

struct WordSize {
    Ctl button;
    std::uint32_t mask;
    int width[4];  // characters of the widest value, by base index: Hex, Dec (none), Oct, Bin
};

constexpr WordSize kWordSizes[] = {
    {Ctl::Degrees, 0xFFFFFFFFu, {8, 0, 11, 32}},  // Dword
    {Ctl::Radians, 0xFFFFu, {4, 0, 6, 16}},       // Word
    {Ctl::Grads, 0xFFu, {2, 0, 3, 8}},         // Byte
};

const WordSize& wordSizeOf(Ctl button) {
    for (const WordSize& size : kWordSizes)
        if (size.button == button) return size;
    return kWordSizes[0];
}

std::int32_t readNumeral(int base, std::string_view numeral) {
    if (base == kHex) return radix::readHex(numeral);
    if (base == kOct) return radix::readOctal(numeral);
    return radix::readBinary(numeral);
}

std::string numeralText(int base, std::int32_t value) {
    if (base == kHex) return radix::hexText(value);
    if (base == kOct) return radix::octalText(value);
    return radix::binaryText(value);
}

// Keeps the low bits of the displayed value, written again in the base. A
// display that is not a numeral of the base has no bits to keep and stays.
void cutToWordSize(Form& form, int base, std::uint32_t mask) {
    const std::string_view numeral = trimBlanks(form.display());
    if (numeral.empty()) return;
    try {
        const auto low = static_cast<std::uint32_t>(readNumeral(base, numeral)) & mask;
        form.display() = numeralText(base, static_cast<std::int32_t>(low));
    } catch (const CalcError&) {
    }
}

}  // namespace

void chooseWordSize(Form& form, const Press& press) {
    const int base = form.bases.base;
    if (base == kDec) return;  // the buttons are angle units, read by the trigonometric keys
    const WordSize& size = wordSizeOf(press.control);
    form.bases.typedLimit = size.width[base];
    cutToWordSize(form, base, size.mask);
}

}  // namespace velmor
