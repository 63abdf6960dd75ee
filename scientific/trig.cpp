// "Sin", "Cos" and "Tan" of the displayed angle in the selected unit.
#include "engine/form.h"
#include "numeric/angles.h"
#include "numeric/errors.h"
#include "scientific/angle_unit.h"
#include "scientific/key_support.h"

namespace velmor {
namespace {

using CircleFunction = void (*)(Form&, Decimal angle, AngleUnit unit);

// A display whose numeric prefix cannot be read is left as it is.
void applyToDisplayedAngle(Form& form, CircleFunction function) {
    const std::optional<Decimal> angle = form.display.tryRead(Reading::Leading);
    if (!angle) return;
    try {
        function(form, *angle, selectedUnit(form));
    } catch (const CalcError&) {
        // Sine and cosine are bounded and a pole is shown as text, so nothing
        // overflows here; should anything fail, the display stays as it was.
    }
}

void showSine(Form& form, Decimal angle, AngleUnit unit) { showFunctionValue(form, math::circleValues(angle, unit).sin); }
void showCosine(Form& form, Decimal angle, AngleUnit unit) { showFunctionValue(form, math::circleValues(angle, unit).cos); }

// A zero cosine is a pole; in radians only an inexact angle within its noise
// of one reaches it (numeric/angles.h).
void showTangent(Form& form, Decimal angle, AngleUnit unit) {
    if (math::tangentHasPole(angle, unit)) form.display.showText(form.say(kInfinityText));
    else showFunctionValue(form, math::tangentOf(angle, unit));
}

}  // namespace

void registerCircleKeys(ActionTable& table) {
    table.onClick(Ctl::Sin, [](Form& f, const Press&) { applyToDisplayedAngle(f, showSine); });
    table.onClick(Ctl::Cos, [](Form& f, const Press&) { applyToDisplayedAngle(f, showCosine); });
    table.onClick(Ctl::Tan, [](Form& f, const Press&) { applyToDisplayedAngle(f, showTangent); });
}

}  // namespace velmor
