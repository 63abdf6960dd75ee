#include "engine/display_value.h"

#include "engine/entry.h"
#include "engine/form.h"
#include "numeric/numtext.h"
#include "numeric/range.h"

namespace velmor {
namespace {

void remember(Form& form, Decimal value) {
    form.engine.shownValue = value;
    form.engine.shownText = form.display();
    form.engine.shownValid = true;
}

const Decimal* rememberedValue(const Form& form) {
    const EngineState& engine = form.engine;
    return engine.shownValid && engine.shownText == form.display() ? &engine.shownValue : nullptr;
}

}  // namespace

void showNumber(Form& form, Decimal value) {
    showResult(form, numberText(value));
    remember(form, inRange(value));
}

void writeNumber(Form& form, Decimal value) {
    form.display() = numberText(value);
    remember(form, inRange(value));
}

void forgetShownValue(Form& form) { form.engine.shownValid = false; }

Decimal displayedLeading(const Form& form) {
    if (const Decimal* value = rememberedValue(form)) return *value;
    return leadingNumber(form.display());
}

Decimal displayedStrict(const Form& form) {
    if (const Decimal* value = rememberedValue(form)) return *value;
    return strictNumber(form.display());
}

}  // namespace velmor
