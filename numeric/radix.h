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

}  // namespace velmor::radix
