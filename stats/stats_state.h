// The statistics list: the values entered with "Dat" and how many there are.
#pragma once

#include <array>

#include "engine/form.h"
#include "engine/list_slots.h"
#include "numeric/decimal.h"

namespace velmor {

struct StatsState : PartState {
    std::array<Decimal, kHistorySlots> statData{};
    double statCount = 0;
};

inline StatsState& statsState(Form& form) { return static_cast<StatsState&>(form.part(Part::Statistics)); }
inline const StatsState& statsState(const Form& form) {
    return static_cast<const StatsState&>(form.part(Part::Statistics));
}

}  // namespace velmor
