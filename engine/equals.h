// The "=" key: completes the pending operation and copies the running value to the work box.
#pragma once

#include "engine/actions.h"

namespace velmor {

void equalsKey(Form& form, const Press& press);

}  // namespace velmor
