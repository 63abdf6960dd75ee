#include "scientific/angle_unit.h"

#include "engine/form.h"

namespace velmor {

AngleUnit selectedUnit(const Form& form) {
    if (form.isSelected(Ctl::Radians)) return AngleUnit::Radians;
    if (form.isSelected(Ctl::Degrees)) return AngleUnit::Degrees;
    if (form.isSelected(Ctl::Grads)) return AngleUnit::Grads;
    return AngleUnit::Radians;
}

}  // namespace velmor
