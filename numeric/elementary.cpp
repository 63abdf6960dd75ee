#include "numeric/elementary.h"

#include "numeric/bid.h"

namespace velmor::math {

using bid::apply;

Decimal squareRoot(Decimal x) { return apply(bid128_sqrt, x); }
Decimal exponential(Decimal x) { return apply(bid128_exp, x); }
Decimal powerOfTen(Decimal x) { return apply(bid128_exp10, x); }
Decimal naturalLog(Decimal x) { return apply(bid128_log, x); }
Decimal commonLog(Decimal x) { return apply(bid128_log10, x); }
Decimal logOnePlus(Decimal x) { return apply(bid128_log1p, x); }

Decimal sine(Decimal radians) { return apply(bid128_sin, radians); }
Decimal cosine(Decimal radians) { return apply(bid128_cos, radians); }
Decimal tangent(Decimal radians) { return apply(bid128_tan, radians); }
Decimal arcSine(Decimal x) { return apply(bid128_asin, x); }
Decimal arcCosine(Decimal x) { return apply(bid128_acos, x); }
Decimal arcTangent(Decimal x) { return apply(bid128_atan, x); }

Decimal arcTangent2(Decimal y, Decimal x) {
    _IDEC_flags flags = 0;
    return bid::wrap(bid128_atan2(bid::raw(y), bid::raw(x), bid::kNearest, &flags));
}

Decimal hyperbolicSine(Decimal x) { return apply(bid128_sinh, x); }
Decimal hyperbolicCosine(Decimal x) { return apply(bid128_cosh, x); }
Decimal hyperbolicTangent(Decimal x) { return apply(bid128_tanh, x); }
Decimal areaSine(Decimal x) { return apply(bid128_asinh, x); }
Decimal areaCosine(Decimal x) { return apply(bid128_acosh, x); }
Decimal areaTangent(Decimal x) { return apply(bid128_atanh, x); }

Decimal gamma(Decimal x) { return apply(bid128_tgamma, x); }
Decimal logGamma(Decimal x) { return apply(bid128_lgamma, x); }

Decimal power(Decimal base, Decimal exponent) {
    _IDEC_flags flags = 0;
    return bid::wrap(bid128_pow(bid::raw(base), bid::raw(exponent), bid::kNearest, &flags));
}

Decimal pi() {
    static const Decimal value = Decimal::fromText("3.141592653589793238462643383279503");
    return value;
}

}  // namespace velmor::math
