// The 21 functions of the extended keys: reciprocal, inverse and hyperbolic
// trigonometric functions of a decimal argument.
#pragma once

#include "numeric/angles.h"
#include "numeric/decimal.h"

namespace velmor::math {

inline constexpr int kExtendedFunctionCount = 21;

// Function `index` (the key's index) of v. Angles are read, and inverse results
// given, in `unit`. Throws DivByZero where the function has a pole, InvalidCall
// outside its domain, Overflow when the result is beyond the range.
Decimal extendedFunction(int index, Decimal v, AngleUnit unit);

}  // namespace velmor::math
