// What the number bases keep for themselves. The base and word size are the
// display's format (engine/display.h); this is only what a base change remembers.
#pragma once

#include "engine/form.h"

namespace velmor {

struct BasesState : PartState {
    Ctl decimalAngleUnit = Ctl::Degrees;  // unit to restore on the way back to Dec
};

inline BasesState& basesState(Form& form) { return static_cast<BasesState&>(form.part(Part::Bases)); }

}  // namespace velmor
