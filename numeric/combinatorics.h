// Factorial, combinations, permutations and the n-th root: pure functions the
// "n!" key and the pending two-operand operations of "=" share. An inexact
// argument within its noise of a whole number is taken for that number.
#pragma once

#include "numeric/decimal.h"

namespace velmor::math {

// n! for a whole n >= 0, Gamma(n + 1) for a positive non-whole n, 0 for a
// negative n. Throws Overflow when the result is beyond the range.
Decimal factorial(Decimal n);

// n "ncr" r and n "npr" r. Throw DivByZero or Overflow in the error rows of
// "=" (r > n, r < 0, a negative n), Overflow when the result does not fit.
Decimal combinations(Decimal n, Decimal r);
Decimal permutations(Decimal n, Decimal r);

// The degree-th root of the radicand. Throws InvalidCall for a negative radicand
// without a real root, DivByZero for degree 0.
Decimal nthRoot(Decimal radicand, Decimal degree);

}  // namespace velmor::math
