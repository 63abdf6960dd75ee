#pragma once

#include "engine/actions.h"

namespace velmor {

void registerBaseActions(ActionTable& table);

}  // namespace velmor
