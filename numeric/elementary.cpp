#include "numeric/elementary.h"

#include "numeric/bid.h"
#include "numeric/noise.h"

namespace velmor::math {

using bid::apply;

Decimal squareRoot(Decimal x) { return apply(bid128_sqrt, x); }
Decimal exponential(Decimal x) { return apply(bid128_exp, x); }
Decimal powerOfTen(Decimal x) { return apply(bid128_exp10, x); }
// Near 1 a logarithm is as large as the distance from 1: an inexact argument
// within its noise of 1 has no logarithm but noise, and it is 0.
Decimal naturalLog(Decimal x) { return apply(bid128_log, snappedTo(x, 1)); }
Decimal commonLog(Decimal x) { return apply(bid128_log10, snappedTo(x, 1)); }
Decimal logOnePlus(Decimal x) { return apply(bid128_log1p, x); }

Decimal sine(Decimal radians) { return apply(bid128_sin, radians); }
Decimal cosine(Decimal radians) { return apply(bid128_cos, radians); }
Decimal tangent(Decimal radians) { return apply(bid128_tan, radians); }
Decimal arcSine(Decimal x) { return apply(bid128_asin, x); }
Decimal arcCosine(Decimal x) { return apply(bid128_acos, x); }
Decimal arcTangent(Decimal x) { return apply(bid128_atan, x); }

Decimal arcTangent2(Decimal y, Decimal x) { return apply(bid128_atan2, y, x); }

Decimal hyperbolicSine(Decimal x) { return apply(bid128_sinh, x); }
Decimal hyperbolicCosine(Decimal x) { return apply(bid128_cosh, x); }
Decimal hyperbolicTangent(Decimal x) { return apply(bid128_tanh, x); }
Decimal areaSine(Decimal x) { return apply(bid128_asinh, x); }
Decimal areaCosine(Decimal x) { return apply(bid128_acosh, x); }
Decimal areaTangent(Decimal x) { return apply(bid128_atanh, x); }

Decimal gamma(Decimal x) { return apply(bid128_tgamma, x); }
Decimal logGamma(Decimal x) { return apply(bid128_lgamma, x); }

Decimal power(Decimal base, Decimal exponent) { return apply(bid128_pow, base, exponent); }

Decimal pi() {
    static const Decimal value = Decimal::fromText("3.141592653589793238462643383279503").markedInexact();
    return value;
}

}  // namespace velmor::math
