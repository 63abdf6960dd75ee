// The elementary functions of the decimal type, at 34 digits. They return NaN
// outside their domain and infinities beyond the decimal range; callers check
// with inRange (numeric/range.h) and decide what the user is told.
#pragma once

#include "numeric/decimal.h"

namespace velmor::math {

Decimal squareRoot(Decimal x);
Decimal exponential(Decimal x);
Decimal powerOfTen(Decimal x);
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

// pi to 34 digits.
Decimal pi();

}  // namespace velmor::math
