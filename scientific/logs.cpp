// "ln", "Log", "e^a", "10ª" and the square root of the displayed value.
#include "engine/form.h"
#include "numeric/elementary.h"
#include "numeric/errors.h"
#include "numeric/range.h"
#include "scientific/key_support.h"

namespace velmor {
namespace {

using Function = Decimal (*)(Decimal);

// Logarithms leave the display alone where they have no value (v <= 0) and
// where the display cannot be read.
void logarithmKey(Form& form, Function logarithm) {
    const std::optional<Decimal> v = form.display.tryRead(Reading::Leading);
    if (!v || *v <= 0) return;
    try {
        showFunctionValue(form, logarithm(*v));
    } catch (const CalcError&) {
        // The logarithm of a positive value in the range is always finite; nothing to report.
    }
}

// Powers report a result beyond the double range, or a display too large to
// read, as an overflow in the display.
void powerKey(Form& form, Function power) {
    const std::optional<Decimal> v = form.display.tryRead(Reading::Leading);
    try {
        if (!v) fail(ErrCode::Overflow);
        showFunctionValue(form, power(*v));
    } catch (const CalcError&) {
        form.display.showOverflow();
    }
}

// The square root does not touch the running value: a pending operation keeps
// its own left operand and takes the root as its right one.
void squareRoot(Form& form, const Press&) {
    const std::optional<Decimal> v = form.display.tryRead(Reading::Leading);
    if (!v) form.display.showOverflow();
    else if (*v < 0) form.display.showText(form.say(kInvalidInputText));
    else showFunctionValue(form, math::squareRoot(*v));
}

}  // namespace

void registerLogarithmKeys(ActionTable& table) {
    table.onClick(Ctl::Ln, [](Form& f, const Press&) { logarithmKey(f, math::naturalLog); });
    table.onClick(Ctl::Log, [](Form& f, const Press&) { logarithmKey(f, math::commonLog); });
    table.onClick(Ctl::ExpE, [](Form& f, const Press&) { powerKey(f, math::exponential); });
    table.onClick(Ctl::TenPower, [](Form& f, const Press&) { powerKey(f, math::powerOfTen); });
    table.onClick(Ctl::SquareRoot, squareRoot);
}

}  // namespace velmor
