// What the scientific keys keep between presses: the random generator's running state.
#pragma once

#include <cstdint>

#include "engine/form.h"
#include "numeric/random_generator.h"

namespace velmor {

struct ScientificState : PartState {
    std::uint32_t randomState = math::kRandomStartState;  // the generator's running state
};

inline ScientificState& scientificState(Form& form) {
    return static_cast<ScientificState&>(form.part(Part::Scientific));
}

}  // namespace velmor
