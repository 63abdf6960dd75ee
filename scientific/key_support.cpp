#include "scientific/key_support.h"

#include "engine/form.h"
#include "numeric/errors.h"

namespace velmor {

std::optional<Decimal> leadingDisplayValue(const Form& form) {
    try {
        return displayedLeading(form);
    } catch (const CalcError&) {
        return std::nullopt;
    }
}

std::optional<Decimal> strictDisplayValue(const Form& form) {
    try {
        return displayedStrict(form);
    } catch (const CalcError&) {
        return std::nullopt;
    }
}

}  // namespace velmor
