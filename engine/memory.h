// The memory keys and pi.
#pragma once

#include "engine/actions.h"

namespace velmor {

void registerMemoryActions(ActionTable& table);

}  // namespace velmor
