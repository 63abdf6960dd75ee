#include "scientific/extended_math.h"

#include <array>
#include <cmath>

#include "engine/errors.h"

namespace velmor::math {
namespace {

using Ld = long double;
using Function = Ld (*)(double v, AngleUnit unit);

Ld reciprocal(Ld x) {
    if (x == 0) fail(ErrCode::DivByZero);
    return 1 / x;
}

void requireUnitInterval(double v) {
    if (std::fabs(v) > 1) fail(ErrCode::InvalidCall);
}

void requireOutsideUnitInterval(double v) {
    if (std::fabs(v) < 1) fail(ErrCode::InvalidCall);
}

// v*v - 1 without losing the digits that matter near |v| = 1 (never -0, whose
// square root would turn the angle of (-1, 0) into -pi).
Ld squareLessOne(double v) {
    const Ld magnitude = std::fabs(static_cast<Ld>(v));
    return (magnitude - 1) * (magnitude + 1);
}

Ld secant(double v, AngleUnit u) { return reciprocal(circleValues(v, u).cos); }
Ld cosecant(double v, AngleUnit u) { return reciprocal(circleValues(v, u).sin); }
Ld cotangent(double v, AngleUnit u) {
    const CircleValues c = circleValues(v, u);
    return c.cos * reciprocal(c.sin);
}

Ld arcSine(double v, AngleUnit u) {
    requireUnitInterval(v);
    return radiansIn(std::asin(static_cast<Ld>(v)), u);
}
Ld arcCosine(double v, AngleUnit u) {
    requireUnitInterval(v);
    return radiansIn(std::acos(static_cast<Ld>(v)), u);
}
Ld arcTangent(double v, AngleUnit u) { return radiansIn(std::atan(static_cast<Ld>(v)), u); }

// acos(1/v) and asin(1/v), written as angles of the point (sign v, sqrt(v*v - 1))
// so that no rounding of 1/v is magnified near |v| = 1.
Ld arcSecant(double v, AngleUnit u) {
    requireOutsideUnitInterval(v);
    return radiansIn(std::atan2(std::sqrt(squareLessOne(v)), v > 0 ? 1.0L : -1.0L), u);
}
Ld arcCosecant(double v, AngleUnit u) {
    requireOutsideUnitInterval(v);
    return radiansIn(std::atan2(v > 0 ? 1.0L : -1.0L, std::sqrt(squareLessOne(v))), u);
}
// pi/2 - atan(v), between 0 and pi.
Ld arcCotangent(double v, AngleUnit u) { return radiansIn(std::atan2(1.0L, static_cast<Ld>(v)), u); }

Ld hypSine(double v, AngleUnit) { return std::sinh(static_cast<Ld>(v)); }
Ld hypCosine(double v, AngleUnit) { return std::cosh(static_cast<Ld>(v)); }
Ld hypTangent(double v, AngleUnit) { return std::tanh(static_cast<Ld>(v)); }
Ld hypSecant(double v, AngleUnit) { return 1 / std::cosh(static_cast<Ld>(v)); }
Ld hypCosecant(double v, AngleUnit) { return reciprocal(std::sinh(static_cast<Ld>(v))); }
Ld hypCotangent(double v, AngleUnit) { return reciprocal(std::tanh(static_cast<Ld>(v))); }

Ld areaSine(double v, AngleUnit) { return std::asinh(static_cast<Ld>(v)); }
Ld areaCosine(double v, AngleUnit) {
    if (v < 1) fail(ErrCode::InvalidCall);
    return std::acosh(static_cast<Ld>(v));
}
// At 1 the quotient (1 + v) / (1 - v) divides by zero; at -1 its logarithm is of zero.
Ld areaTangent(double v, AngleUnit) {
    if (v == 1) fail(ErrCode::DivByZero);
    if (std::fabs(v) >= 1) fail(ErrCode::InvalidCall);
    return std::atanh(static_cast<Ld>(v));
}
// acosh(1/v) = ln((1 + sqrt(1 - v*v)) / v), taken through log1p to stay exact near 1.
Ld areaSecant(double v, AngleUnit) {
    if (v == 0) fail(ErrCode::DivByZero);
    if (v < 0 || v > 1) fail(ErrCode::InvalidCall);
    const Ld oneLess = 1 - static_cast<Ld>(v);
    return std::log1p((std::sqrt(oneLess * (1 + static_cast<Ld>(v))) + oneLess) / v);
}
Ld areaCosecant(double v, AngleUnit) { return std::asinh(reciprocal(v)); }
// atanh(1/v) = ln((v + 1) / (v - 1)) / 2, with the same divisions as area tangent.
Ld areaCotangent(double v, AngleUnit) {
    if (v == 1) fail(ErrCode::DivByZero);
    if (std::fabs(v) <= 1) fail(ErrCode::InvalidCall);
    const Ld magnitude = std::log1p(2 / (std::fabs(static_cast<Ld>(v)) - 1)) / 2;
    return v > 0 ? magnitude : -magnitude;
}

constexpr std::array<Function, kExtendedFunctionCount> kFunctions = {
    secant,       cosecant,     cotangent,      arcSine,    arcCosine,   arcTangent, arcSecant,
    arcCosecant,  arcCotangent, hypSine,        hypCosine,  hypTangent,  hypSecant,  hypCosecant,
    hypCotangent, areaSine,     areaCosine,     areaTangent, areaSecant, areaCosecant, areaCotangent,
};

}  // namespace

long double extendedFunction(int index, double v, AngleUnit unit) {
    return kFunctions.at(static_cast<size_t>(index))(v, unit);
}

}  // namespace velmor::math
