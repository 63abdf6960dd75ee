// "ln", "Log", "e^a", "10ª" and the square root of the displayed value.
#include <cmath>

#include "engine/entry.h"
#include "engine/errors.h"
#include "engine/form.h"
#include "scientific/key_support.h"

namespace velmor {
namespace {

using Ld = long double;

// Logarithms leave the display alone where they have no value (v <= 0) and
// where the display cannot be read.
void logarithmKey(Form& form, Ld (*logarithm)(Ld)) {
    const std::optional<double> v = leadingDisplayValue(form);
    if (!v || *v <= 0) return;
    try {
        showNumber(form, logarithm(*v));
    } catch (const CalcError&) {
        // The logarithm of a positive double is always finite; nothing to report.
    }
}

// Powers report a result beyond the double range, or a display too large to
// read, as an overflow in the display.
void powerKey(Form& form, Ld (*power)(Ld)) {
    const std::optional<double> v = leadingDisplayValue(form);
    try {
        if (!v) fail(ErrCode::Overflow);
        showNumber(form, power(*v));
    } catch (const CalcError&) {
        showResult(form, kOverflowText);
    }
}

Ld naturalLog(Ld x) { return std::log(x); }
Ld commonLog(Ld x) { return std::log10(x); }
Ld exponential(Ld x) { return std::exp(x); }
Ld powerOfTen(Ld x) { return std::pow(10.0L, x); }

// The square root does not touch the running value: a pending operation keeps
// its own left operand and takes the root as its right one.
void squareRoot(Form& form, const Press&) {
    const std::optional<double> v = leadingDisplayValue(form);
    if (!v) showResult(form, kOverflowText);
    else if (*v < 0) showResult(form, kInvalidInputText);
    else showNumber(form, std::sqrt(*v));
}

}  // namespace

void registerLogarithmKeys(ActionTable& table) {
    table.onClick(Ctl::cmdLn, [](Form& f, const Press&) { logarithmKey(f, naturalLog); });
    table.onClick(Ctl::Command11, [](Form& f, const Press&) { logarithmKey(f, commonLog); });
    table.onClick(Ctl::cmdea, [](Form& f, const Press&) { powerKey(f, exponential); });
    table.onClick(Ctl::cmd10x, [](Form& f, const Press&) { powerKey(f, powerOfTen); });
    table.onClick(Ctl::cmdsqrt, squareRoot);
}

}  // namespace velmor
