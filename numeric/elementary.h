// The elementary functions of the decimal type, at 34 digits. They return NaN
// outside their domain and infinities beyond the decimal range; callers check
// with inRange (numeric/range.h) and decide what the user is told. A result is
// exact only when the library did not round it and the arguments were exact.
#pragma once

#include "numeric/decimal.h"

namespace velmor::math {

Decimal squareRoot(Decimal x);
Decimal exponential(Decimal x);
Decimal powerOfTen(Decimal x);
// An inexact x within its noise of 1 is 1: ln of 1 / 3 * 3 is 0.
Decimal naturalLog(Decimal x);
Decimal commonLog(Decimal x);
Decimal logOnePlus(Decimal x);  // ln(1 + x), exact near x = 0

// Sine, cosine and tangent of an angle in radians, reduced exactly for any size.
Decimal sine(Decimal radians);
Decimal cosine(Decimal radians);
Decimal tangent(Decimal radians);
Decimal arcSine(Decimal x);
Decimal arcCosine(Decimal x);
Decimal arcTangent(Decimal x);
Decimal arcTangent2(Decimal y, Decimal x);  // the angle of the point (x, y)

Decimal hyperbolicSine(Decimal x);
Decimal hyperbolicCosine(Decimal x);
Decimal hyperbolicTangent(Decimal x);
Decimal areaSine(Decimal x);
Decimal areaCosine(Decimal x);
Decimal areaTangent(Decimal x);

Decimal gamma(Decimal x);
Decimal logGamma(Decimal x);
Decimal power(Decimal base, Decimal exponent);  // the library's general power

// pi to 34 digits, inexact: the value of the pi key. The circle functions take
// it for pi itself (sin pi = 0, cos pi/2 = 0, tan pi/4 = 1 on the display),
// while pi - 3.14159265358979 keeps its digits (3.23846264338328E-15).
Decimal pi();

}  // namespace velmor::math
