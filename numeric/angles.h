// Angle units and the circle values of an angle.
#pragma once

#include "numeric/decimal.h"

namespace velmor {

enum class AngleUnit { Radians, Degrees, Grads };

namespace math {

// Sine and cosine of an angle. In degrees and grads the angle is reduced
// exactly, in decimal, to at most half a right angle, so right angles and
// their multiples come out exact (cos 90 degrees is exactly 0) and so do the
// halves sin 30 degrees = 0.5. In radians the library reduces any angle
// exactly (sin 1E300 is -0.985750425160377).
struct CircleValues {
    Decimal sin;
    Decimal cos;
};
CircleValues circleValues(Decimal angle, AngleUnit unit);

// Tangent: nothing when the cosine is exactly 0 (a pole).
bool tangentHasPole(Decimal angle, AngleUnit unit);
Decimal tangentOf(Decimal angle, AngleUnit unit);

// An angle in radians expressed in the given unit. In degrees and grads a
// result within 1E-28 of a whole number is that number (see angles.cpp).
Decimal radiansIn(Decimal radians, AngleUnit unit);

}  // namespace math
}  // namespace velmor
