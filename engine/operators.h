// The operator keys and equals.
#pragma once

#include "engine/actions.h"

namespace velmor {

void registerOperatorActions(ActionTable& table);

}  // namespace velmor
