#include "engine/history.h"

#include <cmath>

#include "engine/form.h"

namespace velmor {

void recordOperand(Form& form, Decimal value) {
    EngineState& engine = form.engine;
    // The cursor is a double shared with the statistics keys; its slot is the
    // nearest whole number, as everywhere it indexes a list.
    const double slot = std::nearbyint(engine.nextIndex);
    if (!(slot >= 0 && slot < kHistorySlots)) return;
    engine.operandHistory[static_cast<size_t>(slot)] = value;
    engine.nextIndex += 1;
}

}  // namespace velmor
