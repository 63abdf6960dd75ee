// The review shared by the two "Next" keys: one value of a list per press.
#pragma once

#include <array>

#include "engine/form.h"

namespace velmor {

// One press of a "Next" key over `list` (the statistics data or the recorded
// operands). Both keys share `nextIndex`, `reviewMode` and `reviewCount`.
void reviewNext(Form& form, const std::array<Decimal, kHistorySlots>& list);

}  // namespace velmor
