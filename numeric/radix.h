// Numerals of the non-decimal bases. Every numeral is a whole 32-bit value
// written in full; negative values as their 32-bit two's complement.
#pragma once

#include <cstdint>
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

// The signed value of a numeral read as a word: its low `bits` bits, negative
// when the top one is set (Byte 11111111 is -1). TypeMismatch for an empty text
// or a character that is no digit of the radix; Overflow beyond 32 bits.
std::int32_t readWordNumeral(std::string_view numeral, Word word);

// A text read as a numeral of the word where one is expected (blanks around it
// skipped), and 0 where it is none: empty, or an error text. Not a prefix of
// the text, so "Error :overflow" in Hex is 0 and never the digit E.
// Overflow beyond 32 bits.
std::int32_t lenientWordNumeral(std::string_view text, Word word);

}  // namespace velmor::radix
