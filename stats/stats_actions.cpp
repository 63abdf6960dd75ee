#include "stats/stats_actions.h"

#include "engine/form.h"

namespace velmor {

void registerStatsActions(ActionTable&) {}

}  // namespace velmor
