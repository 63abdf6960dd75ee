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
// exactly (sin 1E300 is -0.985750425160377). A value no larger than the noise
// of an inexact angle is 0 (sin of the pi key in radians, cos 1 / 3 * 270 in
// degrees).
struct CircleValues {
    Decimal sin;
    Decimal cos;
};
CircleValues circleValues(Decimal angle, AngleUnit unit);

// Tangent: nothing when the cosine is 0 (a pole; in radians only an inexact
// angle within its noise of one, such as the pi key's value / 2).
bool tangentHasPole(Decimal angle, AngleUnit unit);
Decimal tangentOf(Decimal angle, AngleUnit unit);

// An angle in radians expressed in the given unit. In degrees and grads a
// result within its noise of a whole number is that number.
Decimal radiansIn(Decimal radians, AngleUnit unit);

}  // namespace math
}  // namespace velmor
