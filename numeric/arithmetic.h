// The checked arithmetic of the operator keys and the formula: each function
// returns a value within the range (numeric/range.h) or throws the CalcError
// that decides what the display shows.
#pragma once

#include "numeric/decimal.h"

namespace velmor {

// Sums and differences of inexact operands that leave only their noise are 0
// (noiseFreeSum, numeric/noise.h); exact operands keep every digit.
Decimal checkedSum(Decimal a, Decimal b);
Decimal checkedDifference(Decimal a, Decimal b);
Decimal checkedProduct(Decimal a, Decimal b);
// DivByZero for a non-zero value over 0; Overflow for 0 / 0.
Decimal checkedQuotient(Decimal a, Decimal b);
// InvalidCall for a negative base with a fractional exponent; DivByZero for 0
// raised to a negative power. Whole exponents are exact while the digits fit;
// an inexact base or exponent within its noise of a whole number is that number.
Decimal checkedPower(Decimal base, Decimal exponent);
// Int(a) Mod Int(b), with the sign of a, where an inexact operand within its
// noise of a whole number counts as that number (numeric/noise.h).
Decimal integerRemainder(Decimal a, Decimal b);

}  // namespace velmor
