#include "engine/operators.h"

#include "engine/form.h"

namespace velmor {

void registerOperatorActions(ActionTable&) {}
void registerMemoryActions(ActionTable&) {}

}  // namespace velmor
