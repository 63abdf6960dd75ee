#include "scientific/angles.h"

#include "engine/form.h"

namespace velmor {

AngleUnit selectedUnit(const Form& form) {
    if (form.isSelected(Ctl::optRad)) return AngleUnit::Radians;
    if (form.isSelected(Ctl::optDeg)) return AngleUnit::Degrees;
    if (form.isSelected(Ctl::optGrad)) return AngleUnit::Grads;
    return AngleUnit::Radians;
}

}  // namespace velmor
