#include "scientific/scientific_actions.h"

#include "scientific/key_support.h"

namespace velmor {

void registerScientificActions(ActionTable& table) {
    registerCircleKeys(table);
    registerExtendedKeys(table);
    registerLogarithmKeys(table);
    registerTwoOperandKeys(table);
    registerFactorialKey(table);
    registerRoundAndPercentKeys(table);
    registerRandomKey(table);
}

}  // namespace velmor
