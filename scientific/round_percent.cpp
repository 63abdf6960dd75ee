// "Rou" (to the nearest whole number, halves to even) and "%".
#include <cmath>

#include "engine/entry.h"
#include "engine/errors.h"
#include "engine/form.h"
#include "scientific/key_support.h"

namespace velmor {
namespace {

// Only a display that is a number as a whole is rounded; anything else
// (empty, an error text, a hexadecimal numeral) stays as it is.
void roundKey(Form& form, const Press&) {
    const std::optional<double> v = strictDisplayValue(form);
    if (v) showNumber(form, std::nearbyint(*v));  // the default rounding mode sends halves to even
}

// Percent stands alone: it does not combine with a pending operation.
void percentKey(Form& form, const Press&) {
    const std::optional<double> v = leadingDisplayValue(form);
    if (v) showNumber(form, *v / 100);
    else showResult(form, kOverflowText);
}

}  // namespace

void registerRoundAndPercentKeys(ActionTable& table) {
    table.onClick(Ctl::cmdRou, roundKey);
    table.onClick(Ctl::cmdPercent, percentKey);
}

}  // namespace velmor
