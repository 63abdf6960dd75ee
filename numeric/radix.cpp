#include "numeric/radix.h"

#include "numeric/errors.h"
#include "numeric/numtext.h"

namespace velmor::radix {
namespace {

constexpr std::uint64_t kWordRange = 0x100000000ull;  // 2^32

// Value of an upper-case digit character, or a value no base has.
int digitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

// The 32-bit pattern of the value rounded halves to even; negative values
// become their two's complement.
std::uint32_t wordOf(Decimal value) { return static_cast<std::uint32_t>(round32(value)); }

std::string digitsOf(std::uint32_t word, unsigned radix) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string reversed;
    do {
        reversed += kDigits[word % radix];
        word /= radix;
    } while (word != 0);
    return std::string(reversed.rbegin(), reversed.rend());
}

// Every character is checked before the value is, so a stray digit reads as a
// type mismatch even in a numeral that is also too long.
std::int32_t readWord(std::string_view numeral, int radix) {
    if (numeral.empty()) fail(ErrCode::TypeMismatch);
    for (char c : numeral)
        if (digitValue(c) >= radix) fail(ErrCode::TypeMismatch);
    std::uint64_t value = 0;
    for (char c : numeral) {
        value = value * static_cast<unsigned>(radix) + static_cast<unsigned>(digitValue(c));
        if (value >= kWordRange) fail(ErrCode::Overflow);
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

}  // namespace

std::string binaryText(Decimal value) { return digitsOf(wordOf(value), 2); }
std::string octalText(Decimal value) { return digitsOf(wordOf(value), 8); }
std::string hexText(Decimal value) { return digitsOf(wordOf(value), 16); }

std::int32_t readBinary(std::string_view numeral) { return readWord(numeral, 2); }
std::int32_t readOctal(std::string_view numeral) { return readWord(numeral, 8); }
std::int32_t readHex(std::string_view numeral) { return readWord(numeral, 16); }

}  // namespace velmor::radix
