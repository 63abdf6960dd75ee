// Angle units and the trigonometric values of a displayed angle.
#pragma once

namespace velmor {

struct Form;

enum class AngleUnit { Radians, Degrees, Grads };

// The unit the option buttons select, tested radians first; in the other
// number bases "Dword", "Word" and "Byte" stand for degrees, radians and grads.
AngleUnit selectedUnit(const Form& form);

namespace math {

// Sine and cosine of an angle, in long double. In degrees and grads the angle
// is first reduced exactly to a quarter turn, so right angles and their halves
// and thirds come out exact: cos 90 degrees is exactly 0, sin 30 degrees 0.5.
struct CircleValues {
    long double sin;
    long double cos;
};
CircleValues circleValues(double angle, AngleUnit unit);

// An angle in radians expressed in the given unit.
long double radiansIn(long double radians, AngleUnit unit);

}  // namespace math
}  // namespace velmor
