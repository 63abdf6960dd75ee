// The Edit menu: copy, paste and delete of the display text.
#pragma once

#include "engine/actions.h"

namespace velmor {

void registerEditMenu(ActionTable& table);

}  // namespace velmor
