// The arithmetic behind the statistics keys, over the values of the data list.
// Every function throws CalcError instead of returning a value the display
// could not show (infinity, not-a-number).
#pragma once

#include <span>

namespace velmor {

// Sum of the values raised to `power` (1, 2 or 3), in list order; negative
// values give negative odd powers. Overflow when the sum leaves the double range.
double sumOfPowers(std::span<const double> values, double power);

// Sum divided by the count. Overflow for an empty list (0/0) or a sum beyond the range.
double meanOf(std::span<const double> values);

// Standard deviation with divisor n (population) or n - 1 (sample). Computed
// from the deviations around the mean, so equal values give exactly 0.
// Population: Overflow for an empty list. Sample: Overflow for an empty list,
// DivByZero for a single value.
double populationStdDev(std::span<const double> values);
double sampleStdDev(std::span<const double> values);

// Closed-form sums of the natural numbers 1 to n for any real n:
// k = 0: n(n+1)/2, k = 1: n(n+1)(2n+1)/6, k = 2: (n(n+1)/2)^2.
// Overflow when the result leaves the double range.
double naturalSum(int k, double n);

}  // namespace velmor
