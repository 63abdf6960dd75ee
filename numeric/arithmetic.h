// The checked arithmetic of the operator keys and the formula: each function
// returns a value within the range (numeric/range.h) or throws the CalcError
// that decides what the display shows.
#pragma once

#include "numeric/decimal.h"

namespace velmor {

// Sums and differences set cancellation noise to 0 (see arithmetic.cpp).
Decimal checkedSum(Decimal a, Decimal b);
Decimal checkedDifference(Decimal a, Decimal b);
Decimal checkedProduct(Decimal a, Decimal b);
// DivByZero for a non-zero value over 0; Overflow for 0 / 0.
Decimal checkedQuotient(Decimal a, Decimal b);
// InvalidCall for a negative base with a fractional exponent; DivByZero for 0
// raised to a negative power. Whole exponents are exact while the digits fit.
Decimal checkedPower(Decimal base, Decimal exponent);

// A sum or difference `result` of operands of magnitude up to `largest` that is
// only what is left of their rounding: 0 in its place (the rule is in arithmetic.cpp).
Decimal withoutCancellationNoise(Decimal result, Decimal largest);

}  // namespace velmor
