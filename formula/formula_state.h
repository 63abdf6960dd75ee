// The user-defined formula: its text, the values of its variables and where
// the prompt cycle stands.
#pragma once

#include <array>
#include <string>

#include "engine/form.h"
#include "numeric/decimal.h"

namespace velmor {

struct FormulaState : PartState {
    int formulaMode = 0;
    std::string formulaText;
    int formulaCaptured = 0;
    std::array<std::string, 5> values;  // A to E as typed
    Decimal valueF;
    std::string captured;  // the formula as typed, before any value is put in
    std::string answered;  // letters given a value since the capture, in prompt order
    char promptLetter = 0;  // the letter whose value is asked for ("A =" shown), 0 for none
    bool resultShown = false;  // "OK" reads "New" while a result is on show
};

inline FormulaState& formulaState(Form& form) { return static_cast<FormulaState&>(form.part(Part::Formula)); }
inline const FormulaState& formulaState(const Form& form) {
    return static_cast<const FormulaState&>(form.part(Part::Formula));
}

}  // namespace velmor
