#include "numeric/extended_math.h"

#include <array>

#include "numeric/elementary.h"
#include "numeric/errors.h"
#include "numeric/noise.h"
#include "numeric/range.h"

namespace velmor::math {
namespace {

using Function = Decimal (*)(Decimal v, AngleUnit unit);

Decimal reciprocal(Decimal x) {
    if (x.isZero()) fail(ErrCode::DivByZero);
    return 1 / x;
}

// The ends of the domains are decided on the digits that carry meaning: an
// inexact argument within its noise of 1 or -1 is that end (1 / 3 * 3 Cos-1 is
// 0, CosH-1 of it is 0, not "Invalid : input").
Decimal insideUnitInterval(Decimal v) {
    const Decimal end = snappedToUnit(v);
    if (abs(end) > 1) fail(ErrCode::InvalidCall);
    return end;
}

Decimal outsideUnitInterval(Decimal v) {
    const Decimal end = snappedToUnit(v);
    if (abs(end) < 1) fail(ErrCode::InvalidCall);
    return end;
}

Decimal unitSign(Decimal v) { return v.isNegative() ? -1 : 1; }

// v*v - 1 without losing the digits that matter near |v| = 1.
Decimal squareLessOne(Decimal v) {
    const Decimal magnitude = abs(v);
    return (magnitude - 1) * (magnitude + 1);
}

Decimal secant(Decimal v, AngleUnit u) { return reciprocal(circleValues(v, u).cos); }
Decimal cosecant(Decimal v, AngleUnit u) { return reciprocal(circleValues(v, u).sin); }
Decimal cotangent(Decimal v, AngleUnit u) {
    const CircleValues c = circleValues(v, u);
    return c.cos * reciprocal(c.sin);
}

Decimal arcSineKey(Decimal v, AngleUnit u) { return radiansIn(arcSine(insideUnitInterval(v)), u); }
Decimal arcCosineKey(Decimal v, AngleUnit u) { return radiansIn(arcCosine(insideUnitInterval(v)), u); }
Decimal arcTangentKey(Decimal v, AngleUnit u) { return radiansIn(arcTangent(v), u); }

// acos(1/v) and asin(1/v), written as angles of the point (sign v, sqrt(v*v - 1))
// so that no rounding of 1/v is magnified near |v| = 1.
Decimal arcSecant(Decimal raw, AngleUnit u) {
    const Decimal v = outsideUnitInterval(raw);
    return radiansIn(arcTangent2(squareRoot(squareLessOne(v)), unitSign(v)), u);
}
Decimal arcCosecant(Decimal raw, AngleUnit u) {
    const Decimal v = outsideUnitInterval(raw);
    return radiansIn(arcTangent2(unitSign(v), squareRoot(squareLessOne(v))), u);
}
// pi/2 - atan(v), between 0 and pi.
Decimal arcCotangent(Decimal v, AngleUnit u) { return radiansIn(arcTangent2(1, v), u); }

Decimal hypSine(Decimal v, AngleUnit) { return hyperbolicSine(v); }
Decimal hypCosine(Decimal v, AngleUnit) { return hyperbolicCosine(v); }
Decimal hypTangent(Decimal v, AngleUnit) { return hyperbolicTangent(v); }
Decimal hypSecant(Decimal v, AngleUnit) { return 1 / hyperbolicCosine(v); }
Decimal hypCosecant(Decimal v, AngleUnit) { return reciprocal(hyperbolicSine(v)); }
Decimal hypCotangent(Decimal v, AngleUnit) { return reciprocal(hyperbolicTangent(v)); }

Decimal areaSineKey(Decimal v, AngleUnit) { return areaSine(v); }
Decimal areaCosineKey(Decimal raw, AngleUnit) {
    const Decimal v = snappedToUnit(raw);
    if (v < 1) fail(ErrCode::InvalidCall);
    return areaCosine(v);
}
// At 1 the quotient (1 + v) / (1 - v) divides by zero; at -1 its logarithm is of zero.
Decimal areaTangentKey(Decimal raw, AngleUnit) {
    const Decimal v = snappedToUnit(raw);
    if (v == 1) fail(ErrCode::DivByZero);
    if (abs(v) >= 1) fail(ErrCode::InvalidCall);
    return areaTangent(v);
}
// acosh(1/v) = ln((1 + sqrt(1 - v*v)) / v), taken through log1p to stay exact near 1.
Decimal areaSecant(Decimal raw, AngleUnit) {
    const Decimal v = snappedToUnit(raw);
    if (v.isZero()) fail(ErrCode::DivByZero);
    if (v.isNegative() || v > 1) fail(ErrCode::InvalidCall);
    const Decimal oneLess = 1 - v;
    return logOnePlus((squareRoot(oneLess * (1 + v)) + oneLess) / v);
}
Decimal areaCosecant(Decimal v, AngleUnit) { return areaSine(reciprocal(v)); }
// atanh(1/v) = ln((v + 1) / (v - 1)) / 2, with the same divisions as area tangent.
Decimal areaCotangent(Decimal raw, AngleUnit) {
    const Decimal v = snappedToUnit(raw);
    if (v == 1) fail(ErrCode::DivByZero);
    if (abs(v) <= 1) fail(ErrCode::InvalidCall);
    const Decimal magnitude = logOnePlus(2 / (abs(v) - 1)) / 2;
    return v.isNegative() ? -magnitude : magnitude;
}

constexpr std::array<Function, kExtendedFunctionCount> kFunctions = {
    secant,       cosecant,     cotangent,      arcSineKey,     arcCosineKey,   arcTangentKey, arcSecant,
    arcCosecant,  arcCotangent, hypSine,        hypCosine,      hypTangent,     hypSecant,     hypCosecant,
    hypCotangent, areaSineKey,  areaCosineKey,  areaTangentKey, areaSecant,     areaCosecant,  areaCotangent,
};

}  // namespace

Decimal extendedFunction(int index, Decimal v, AngleUnit unit) {
    return inRange(kFunctions.at(static_cast<size_t>(index))(v, unit));
}

}  // namespace velmor::math
