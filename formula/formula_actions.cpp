#include "formula/formula_actions.h"

#include "engine/form.h"

namespace velmor {

void registerFormulaActions(ActionTable&) {}

}  // namespace velmor
