// Numerals of the non-decimal bases. Every numeral is a whole 32-bit value
// written in full; negative values as their 32-bit two's complement.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "numeric/decimal.h"

namespace velmor::radix {

// The value rounded once to a 32-bit integer (halves to even; Overflow outside
// the 32-bit range), written in upper-case digits without prefix or leading zeros.
std::string binaryText(Decimal value);
std::string octalText(Decimal value);
std::string hexText(Decimal value);

// Reads a numeral of the base: up to 32 bits; a value of 2^31 or more (below
// 2^32) is the two's complement of a negative value. Throws TypeMismatch for an
// empty text or a character that is not a digit of the base, Overflow for a
// value of 2^32 or more.
std::int32_t readBinary(std::string_view numeral);
std::int32_t readOctal(std::string_view numeral);
std::int32_t readHex(std::string_view numeral);

// A whole-number word of the non-decimal bases: its radix (16, 8 or 2) and
// its size in bits (32 Dword, 16 Word, 8 Byte), in two's complement.
struct Word {
    int radix;
    int bits;
};

// The value rounded halves to even as the numeral of the word, negative values
// as their two's complement within the word (Byte -1 is 11111111). Overflow
// outside the word's signed range (Byte: -128 to 127).
std::string wordText(Decimal value, Word word);

// The numeral of a bit pattern's low `bits` bits, as the word shows it (Byte 0xFF is FF).
std::string patternText(std::uint32_t pattern, Word word);

// Digits of the word's widest numeral: Dword 8 hex, 11 octal, 32 binary digits.
int numeralWidth(Word word);
// The largest pattern of the word: 2^bits - 1.
std::uint32_t wordMask(int bits);
// The low bits of a pattern as the word's signed value (Byte 0xFF is -1).
std::int32_t signedInWord(std::uint32_t pattern, int bits);

// The value of a digit character in any radix up to 16, upper or lower case;
// -1 for a character that is no digit.
int digitValue(char c);

// The signed value of a numeral read as a word: its bits, negative when the top
// one is set (Byte 11111111 is -1). TypeMismatch for an empty text or a
// character that is no digit of the radix; Overflow for a value wider than
// the word (Byte 100 in Hex), so an over-wide numeral is never silently cut.
std::int32_t readWordNumeral(std::string_view numeral, Word word);

// The numeral at the start of a text (blanks before it skipped, digits in
// either case) read as the word; nothing when the text does not start with a
// digit of the radix. Overflow as readWordNumeral.
std::optional<std::int32_t> leadingWordNumeral(std::string_view text, Word word);

}  // namespace velmor::radix
