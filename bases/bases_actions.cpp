#include "bases/bases_actions.h"

#include "engine/form.h"

namespace velmor {

void registerBaseActions(ActionTable&) {}

}  // namespace velmor
