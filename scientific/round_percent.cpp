// "Rou" (to the nearest whole number, halves to even) and "%".
#include "engine/form.h"
#include "numeric/errors.h"
#include "numeric/noise.h"
#include "scientific/key_support.h"

namespace velmor {
namespace {

// Only a display that is a number as a whole is rounded; anything else
// (empty, an error text, a hexadecimal numeral) stays as it is.
void roundKey(Form& form, const Press&) {
    const std::optional<Decimal> v = form.display.tryRead(Reading::Strict);
    if (v) showFunctionValue(form, roundToWhole(*v));
}

// Percent stands alone: it does not combine with a pending operation.
void percentKey(Form& form, const Press&) {
    const std::optional<Decimal> v = form.display.tryRead(Reading::Leading);
    if (v) showFunctionValue(form, *v / 100);
    else form.display.showOverflow();
}

}  // namespace

void registerRoundAndPercentKeys(ActionTable& table) {
    table.onClick(Ctl::Round, roundKey);
    table.onClick(Ctl::Percent, percentKey);
}

}  // namespace velmor
