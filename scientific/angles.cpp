#include "scientific/angles.h"

#include <cmath>

#include "engine/form.h"

namespace velmor {

AngleUnit selectedUnit(const Form& form) {
    if (form.isSelected(Ctl::optRad)) return AngleUnit::Radians;
    if (form.isSelected(Ctl::optDeg)) return AngleUnit::Degrees;
    if (form.isSelected(Ctl::optGrad)) return AngleUnit::Grads;
    return AngleUnit::Radians;
}

namespace math {
namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;

// Degrees or grads in a quarter turn.
double quarterTurn(AngleUnit unit) { return unit == AngleUnit::Degrees ? 90 : 100; }

}  // namespace

CircleValues circleValues(double angle, AngleUnit unit) {
    if (unit == AngleUnit::Radians) return {std::sin(static_cast<long double>(angle)), std::cos(static_cast<long double>(angle))};
    const double quarter = quarterTurn(unit);
    // Both steps are exact in double: fmod always is, and the remainder is a
    // multiple of the turn's unit in the last place of `turn`.
    const double turn = std::fmod(angle, 4 * quarter);
    const double quarters = std::nearbyint(turn / quarter);
    const double rest = turn - quarters * quarter;
    const long double radians = rest * (kPi / (2 * quarter));
    const long double s = std::sin(radians), c = std::cos(radians);
    switch ((static_cast<int>(quarters) % 4 + 4) % 4) {
        case 1: return {c, -s};
        case 2: return {-s, -c};
        case 3: return {-c, s};
        default: return {s, c};
    }
}

long double radiansIn(long double radians, AngleUnit unit) {
    switch (unit) {
        case AngleUnit::Degrees: return radians * (180 / kPi);
        case AngleUnit::Grads: return radians * (200 / kPi);
        case AngleUnit::Radians: break;
    }
    return radians;
}

}  // namespace math
}  // namespace velmor
