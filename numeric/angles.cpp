#include "numeric/angles.h"

#include "numeric/elementary.h"

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
    if (rest.isZero()) return {Decimal(), 1};
    if (unit == AngleUnit::Degrees && abs(rest) == 30) {
        const Decimal half = Decimal::fromText("0.5");
        return {rest.isNegative() ? -half : half, cosine(rest * (pi() / 180))};
    }
    const Decimal radians = rest * (pi() / (2 * quarterTurn(unit)));
    return {sine(radians), cosine(radians)};
}

}  // namespace

CircleValues circleValues(Decimal angle, AngleUnit unit) {
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

bool tangentHasPole(Decimal angle, AngleUnit unit) {
    return unit != AngleUnit::Radians && circleValues(angle, unit).cos.isZero();
}

Decimal tangentOf(Decimal angle, AngleUnit unit) {
    if (unit == AngleUnit::Radians) return tangent(angle);
    const CircleValues v = circleValues(angle, unit);
    return v.sin / v.cos;
}

// The inverse functions meet whole angles (asin 0.5 is 30 degrees, atan 1 is
// 50 grads) with a noise of a unit or two in the 34th digit. A whole number
// within 1E-28 is taken for the angle: that is far above the noise, and no
// argument of up to 25 significant digits that is not exactly on a whole angle
// comes that close to one (the slope of these functions is bounded away from
// zero at whole angles that are not the ends of their range).
Decimal radiansIn(Decimal radians, AngleUnit unit) {
    if (unit == AngleUnit::Radians) return radians;
    const Decimal inUnit = radians * ((unit == AngleUnit::Degrees ? 180 : 200) / pi());
    const Decimal whole = roundHalfEven(inUnit);
    static const Decimal kSnap = Decimal::fromText("1E-28");
    return abs(inUnit - whole) < kSnap ? whole : inUnit;
}

}  // namespace velmor::math
