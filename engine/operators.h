// Operator keys, equals and parentheses; memory keys and pi.
#pragma once

#include "engine/actions.h"

namespace velmor {

void registerOperatorActions(ActionTable& table);
void registerMemoryActions(ActionTable& table);

}  // namespace velmor
