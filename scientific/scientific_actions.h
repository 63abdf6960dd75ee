#pragma once

#include "engine/actions.h"

namespace velmor {

void registerScientificActions(ActionTable& table);

}  // namespace velmor
