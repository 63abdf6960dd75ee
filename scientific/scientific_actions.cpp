#include "scientific/scientific_actions.h"

#include "engine/form.h"

namespace velmor {

void registerScientificActions(ActionTable&) {}

}  // namespace velmor
