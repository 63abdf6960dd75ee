// The angle unit the option buttons select.
#pragma once

#include "numeric/angles.h"

namespace velmor {

struct Form;

// The unit the option buttons select, tested radians first; in the other
// number bases "Dword", "Word" and "Byte" stand for degrees, radians and grads.
AngleUnit selectedUnit(const Form& form);

}  // namespace velmor
