// The noise rules: how an inexact value is judged where a function makes a
// decision (is it whole, inside the domain, at a pole, which way does a half
// round, is a sum zero). Digits 16 to 34 of a value are never shown; in an
// inexact value the last of them are rounding noise. An inexact value within
// kNoiseUnits units of its own last digit of a special point is that point
// (numeric/decimal.h gives the border and why). Exact values are never
// touched: 1E32 + 1 - 1E32 is 1, 1 + 1E-32 - 1 is 1E-32.
#pragma once

#include "numeric/decimal.h"

namespace velmor {

// The rounding noise x carries: kNoiseUnits units of its 34th digit; 0 for an
// exact value or 0.
Decimal noiseOf(Decimal x);

// x is inexact and within its noise of `point`.
bool isWithinNoise(Decimal x, Decimal point);
// `point` (inexact, as computed from x) when x is within its noise of it, else x.
Decimal snappedTo(Decimal x, Decimal point);
// The nearest whole number when x is within its noise of it, else x.
Decimal snappedToWhole(Decimal x);
// 1 or -1, whichever has the sign of x, when x is within its noise of it, else x.
Decimal snappedToUnit(Decimal x);

// A value computed from arguments that carry `noise` between them: 0 (inexact)
// when it is no larger than that noise, else the value itself.
Decimal zeroWithin(Decimal value, Decimal noise);

// a + b and a - b, 0 when the result is no larger than the noise of the
// operands (45 Sin - 2 sqrt 1/x is 0): cancellation that only leaves noise.
Decimal noiseFreeSum(Decimal a, Decimal b);
Decimal noiseFreeDifference(Decimal a, Decimal b);

// The nearest whole number, halves to even, where an inexact value within its
// noise of a half or a whole number is taken for it: e^(ln 3.5) rounds as 3.5.
Decimal roundToWhole(Decimal x);

}  // namespace velmor
