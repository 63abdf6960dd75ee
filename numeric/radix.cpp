#include "numeric/radix.h"

#include "numeric/errors.h"
#include "numeric/numtext.h"

namespace velmor::radix {

int digitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

namespace {

constexpr std::uint64_t kWordRange = 0x100000000ull;  // 2^32

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
        if (digitValue(c) < 0 || digitValue(c) >= radix) fail(ErrCode::TypeMismatch);
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

std::uint32_t wordMask(int bits) { return bits >= 32 ? 0xFFFFFFFFu : (1u << bits) - 1; }

std::int32_t signedInWord(std::uint32_t pattern, int bits) {
    const std::uint32_t low = pattern & wordMask(bits);
    const std::uint32_t top = 1u << (bits - 1);
    return low & top ? static_cast<std::int32_t>(static_cast<std::int64_t>(low) - (std::int64_t{1} << bits))
                     : static_cast<std::int32_t>(low);
}

std::string patternText(std::uint32_t pattern, Word word) {
    return digitsOf(pattern & wordMask(word.bits), static_cast<unsigned>(word.radix));
}

int numeralWidth(Word word) { return static_cast<int>(patternText(wordMask(word.bits), word).size()); }

std::string wordText(Decimal value, Word word) {
    const std::int64_t whole = round32(value);
    const std::int64_t limit = std::int64_t{1} << (word.bits - 1);
    if (whole < -limit || whole >= limit) fail(ErrCode::Overflow);
    return patternText(static_cast<std::uint32_t>(whole), word);
}

std::int32_t readWordNumeral(std::string_view numeral, Word word) {
    const auto pattern = static_cast<std::uint32_t>(readWord(numeral, word.radix));
    if (pattern > wordMask(word.bits)) fail(ErrCode::Overflow);
    return signedInWord(pattern, word.bits);
}

std::optional<std::int32_t> leadingWordNumeral(std::string_view text, Word word) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return std::nullopt;
    size_t end = first;
    while (end < text.size() && digitValue(text[end]) >= 0 && digitValue(text[end]) < word.radix) ++end;
    if (end == first) return std::nullopt;
    return readWordNumeral(text.substr(first, end - first), word);
}

}  // namespace velmor::radix
