#include "bases/bases_actions.h"

#include "bases/base_keys.h"
#include "engine/form.h"

namespace velmor {

void registerBaseActions(ActionTable& table) {
    table.onClickGroup(Group::BaseOptions, changeBase);
    table.onClick(Ctl::Degrees, chooseWordSize);
    table.onClick(Ctl::Radians, chooseWordSize);
    table.onClick(Ctl::Grads, chooseWordSize);
}

}  // namespace velmor
