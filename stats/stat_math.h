// The arithmetic behind the statistics keys, over the values of the data list.
// Intermediate values keep 34 digits and need no range of their own, so every
// function fails only when its result is out of the range (numeric/range.h).
#pragma once

#include <span>

#include "numeric/decimal.h"

namespace velmor {

// Sum of the values raised to `power` (1, 2 or 3), in list order; negative
// values give negative odd powers. Overflow when the sum is out of the range.
Decimal sumOfPowers(std::span<const Decimal> values, int power);

// Sum divided by the count. Overflow for an empty list (0/0) or a mean out of the range.
Decimal meanOf(std::span<const Decimal> values);

// Standard deviation with divisor n (population) or n - 1 (sample), computed
// from the deviations around the mean, so equal values give exactly 0 (also
// inexact ones: 20 sqrt entered three times). Sums, the mean and the
// deviations follow the noise rule of sums (numeric/noise.h).
// Population: Overflow for an empty list. Sample: Overflow for an empty list,
// DivByZero for a single value.
Decimal populationStdDev(std::span<const Decimal> values);
Decimal sampleStdDev(std::span<const Decimal> values);

// Closed-form sums of the natural numbers 1 to n raised to `power` (1, 2 or 3),
// for any real n: 1: n(n+1)/2, 2: n(n+1)(2n+1)/6, 3: (n(n+1)/2)^2.
// Overflow when the result is out of the range.
Decimal naturalSum(int power, Decimal n);

}  // namespace velmor
