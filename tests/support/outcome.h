// What the display would show for a computation: its standard text, or "#" and
// the error number it raised, so tables can list results and failures side by side.
#pragma once

#include <string>

#include "numeric/errors.h"
#include "numeric/numtext.h"

namespace velmor::testing {

template <typename F>
std::string outcome(F compute) {
    try {
        return numberText(compute());
    } catch (const CalcError& error) {
        return "#" + std::to_string(static_cast<int>(error.code));
    }
}

}  // namespace velmor::testing
