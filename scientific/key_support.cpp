#include "scientific/key_support.h"

#include <cfloat>
#include <charconv>
#include <cmath>

#include "engine/entry.h"
#include "engine/errors.h"
#include "engine/form.h"
#include "engine/numtext.h"

namespace velmor {

std::optional<double> leadingDisplayValue(const Form& form) {
    try {
        return leadingNumber(form.display());
    } catch (const CalcError&) {
        return std::nullopt;
    }
}

std::optional<double> strictDisplayValue(const Form& form) {
    try {
        return strictNumber(form.display());
    } catch (const CalcError&) {
        return std::nullopt;
    }
}

double finiteResult(long double value) {
    if (!(std::fabs(value) <= DBL_MAX)) fail(ErrCode::Overflow);  // also catches NaN
    return static_cast<double>(value);
}

// The 15 digits are taken from the long double itself: rounding to a double
// first could move a value lying just below a half in the 15th digit across it.
void showNumber(Form& form, long double value) {
    finiteResult(value);
    char digits[48];
    const auto written = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::scientific, 14);
    double rounded = 0;
    std::from_chars(digits, written.ptr, rounded);
    showResult(form, numberText(rounded));
}

}  // namespace velmor
