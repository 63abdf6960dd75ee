// The 21 functions of the extended keys: reciprocal, inverse and hyperbolic
// trigonometric functions, computed in long double.
#pragma once

#include "scientific/angles.h"

namespace velmor::math {

inline constexpr int kExtendedFunctionCount = 21;

// Function `index` (the key's index) of v. Angles are read, and inverse results
// given, in `unit`. Throws DivByZero where the function has a pole, InvalidCall
// outside its domain.
long double extendedFunction(int index, double v, AngleUnit unit);

}  // namespace velmor::math
