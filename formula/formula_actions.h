#pragma once

#include "engine/actions.h"

namespace velmor {

void registerFormulaActions(ActionTable& table);

}  // namespace velmor
