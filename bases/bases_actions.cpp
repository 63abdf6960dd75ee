#include "bases/bases_actions.h"

#include "bases/base_keys.h"
#include "engine/form.h"

namespace velmor {

void registerBaseActions(ActionTable& table) {
    table.onClickArray(option1(0), 4, changeBase);
    table.onClick(Ctl::optDeg, chooseWordSize);
    table.onClick(Ctl::optRad, chooseWordSize);
    table.onClick(Ctl::optGrad, chooseWordSize);
    table.onClickArray(cmdhex(0), 6, typeHexLetter);
}

}  // namespace velmor
