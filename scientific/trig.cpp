// "Sin", "Cos" and "Tan" of the displayed angle in the selected unit.
#include "engine/entry.h"
#include "engine/errors.h"
#include "engine/form.h"
#include "scientific/angles.h"
#include "scientific/key_support.h"

namespace velmor {
namespace {

using CircleFunction = void (*)(Form&, const math::CircleValues&);

// A display whose numeric prefix cannot be read is left as it is.
void applyToDisplayedAngle(Form& form, CircleFunction function) {
    const std::optional<double> angle = leadingDisplayValue(form);
    if (!angle) return;
    try {
        function(form, math::circleValues(*angle, selectedUnit(form)));
    } catch (const CalcError&) {
        // Sine and cosine are bounded and a pole is shown as text, so nothing
        // overflows here; should anything fail, the display stays as it was.
    }
}

void showSine(Form& form, const math::CircleValues& v) { showNumber(form, v.sin); }
void showCosine(Form& form, const math::CircleValues& v) { showNumber(form, v.cos); }

// Only an exact zero cosine is a pole; in radians no double angle reaches one.
void showTangent(Form& form, const math::CircleValues& v) {
    if (v.cos == 0) showResult(form, kInfinityText);
    else showNumber(form, v.sin / v.cos);
}

}  // namespace

void registerCircleKeys(ActionTable& table) {
    table.onClick(Ctl::Command10, [](Form& f, const Press&) { applyToDisplayedAngle(f, showSine); });
    table.onClick(Ctl::Command9, [](Form& f, const Press&) { applyToDisplayedAngle(f, showCosine); });
    table.onClick(Ctl::Command8, [](Form& f, const Press&) { applyToDisplayedAngle(f, showTangent); });
}

}  // namespace velmor
