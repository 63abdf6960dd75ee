#include "numeric/angles.h"

#include "numeric/elementary.h"
#include "numeric/noise.h"

namespace velmor::math {
namespace {

// Degrees or grads in a quarter turn.
int quarterTurn(AngleUnit unit) { return unit == AngleUnit::Degrees ? 90 : 100; }

// The angle as a whole number of quarter turns (0 to 3) and a rest of at most
// half a quarter turn either way, both exact: the remainder and the product
// of a whole number of quarters are exact in decimal.
struct ReducedAngle {
    int quarters;
    Decimal rest;
};

ReducedAngle reduce(Decimal angle, AngleUnit unit) {
    const int quarter = quarterTurn(unit);
    const Decimal turn = remainder(angle, 4 * quarter);
    const Decimal quarters = roundHalfEven(turn / quarter);
    const int q = static_cast<int>(toInt64(quarters));
    return {((q % 4) + 4) % 4, turn - quarters * quarter};
}

// The sine of a rest of at most half a quarter turn in degrees or grads. The
// only rational sines of such angles are 0 and, in degrees, sin 30 = 1/2
// (Niven's theorem); those are given exactly, the others from the radians.
CircleValues restValues(Decimal rest, AngleUnit unit) {
    if (rest.isZero()) {
        const CircleValues axis{Decimal(), 1};
        return rest.isExact() ? axis : CircleValues{axis.sin.markedInexact(), axis.cos.markedInexact()};
    }
    if (unit == AngleUnit::Degrees && abs(rest) == 30) {
        const Decimal half = rest / 60;  // exactly 0.5 or -0.5
        return {half, cosine(rest * (pi() / 180))};
    }
    const Decimal radians = rest * (pi() / (2 * quarterTurn(unit)));
    return {sine(radians), cosine(radians)};
}

// The values as the library computes them, before the noise rule.
CircleValues computedValues(Decimal angle, AngleUnit unit) {
    if (unit == AngleUnit::Radians) return {sine(angle), cosine(angle)};
    const ReducedAngle reduced = reduce(angle, unit);
    const CircleValues v = restValues(reduced.rest, unit);
    switch (reduced.quarters) {
        case 1: return {v.cos, -v.sin};
        case 2: return {-v.sin, -v.cos};
        case 3: return {-v.cos, v.sin};
        default: return v;
    }
}

// The noise of an inexact angle, in radians: the most its sine or cosine can
// be off from the noise alone (both have slopes of at most 1).
Decimal noiseInRadians(Decimal angle, AngleUnit unit) {
    const Decimal noise = noiseOf(angle);
    if (unit == AngleUnit::Radians || noise.isZero()) return noise;
    return noise * (pi() / (2 * quarterTurn(unit)));
}

// A sine or cosine no larger than the noise of the angle is 0, as long as the
// other value stands out of the noise: then the angle is known to be at that
// zero (sin pi, cos pi/2, tan 1 / 3 * 270 in degrees). An angle so inexact that
// neither does (an inexact 1E300) keeps the values the library gives.
CircleValues withoutNoise(CircleValues v, Decimal noise) {
    if (noise.isZero()) return v;
    if (abs(v.sin) <= noise && abs(v.cos) > noise) return {zeroWithin(v.sin, noise), v.cos};
    if (abs(v.cos) <= noise && abs(v.sin) > noise) return {v.sin, zeroWithin(v.cos, noise)};
    return v;
}

}  // namespace

CircleValues circleValues(Decimal angle, AngleUnit unit) {
    return withoutNoise(computedValues(angle, unit), noiseInRadians(angle, unit));
}

// No decimal is an odd multiple of pi/2, so an exact angle in radians has no pole.
bool tangentHasPole(Decimal angle, AngleUnit unit) {
    if (unit == AngleUnit::Radians && angle.isExact()) return false;
    return circleValues(angle, unit).cos.isZero();
}

// In radians the library's tangent is more accurate than the quotient; for an
// inexact angle the circle values decide whether it is at a zero of the tangent.
Decimal tangentOf(Decimal angle, AngleUnit unit) {
    if (unit == AngleUnit::Radians && angle.isExact()) return tangent(angle);
    const CircleValues v = circleValues(angle, unit);
    if (v.sin.isZero()) return v.sin;
    return unit == AngleUnit::Radians ? tangent(angle) : v.sin / v.cos;
}

// The inverse functions meet whole angles (asin 0.5 is 30 degrees, atan 1 is
// 50 grads) with a noise of a few units in the 34th digit: a result within its
// noise of a whole angle is that angle. Results far from whole angles keep
// every digit (asin 1E-30 is 5.72957795130823E-29 degrees).
Decimal radiansIn(Decimal radians, AngleUnit unit) {
    if (unit == AngleUnit::Radians) return radians;
    return snappedToWhole(radians * ((unit == AngleUnit::Degrees ? 180 : 200) / pi()));
}

}  // namespace velmor::math
