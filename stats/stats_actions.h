#pragma once

#include "engine/actions.h"

namespace velmor {

void registerStatsActions(ActionTable& table);

}  // namespace velmor
