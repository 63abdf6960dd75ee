#include "engine/display_value.h"

#include "engine/entry.h"
#include "engine/form.h"
#include "engine/texts.h"
#include "numeric/errors.h"
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

int radixOf(int base) {
    switch (base) {
    case kHex: return 16;
    case kOct: return 8;
    case kBin: return 2;
    default: return 10;
    }
}

// The text of a value in the format: Overflow when it cannot be shown.
std::string textIn(DisplayFormat format, Decimal value) {
    return format.decimal ? numberText(value) : radix::wordText(value, format.word);
}

void writeIn(Form& form, DisplayFormat format, Decimal value) {
    form.display() = textIn(format, value);
    if (format.decimal) remember(form, inRange(value));
    else forgetShownValue(form);
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

// Outside decimal the angle-unit buttons are the word sizes: Dword, Word, Byte.
int selectedWordBits(const Form& form) {
    if (form.isSelected(Ctl::Radians)) return 16;
    if (form.isSelected(Ctl::Grads)) return 8;
    return 32;
}

DisplayFormat displayFormat(const Form& form) { return formatOf(form.selectedBase(), selectedWordBits(form)); }

DisplayFormat formatOf(int base, int bits) {
    if (base == kDec) return {};
    return {false, {radixOf(base), bits}};
}

void showNumber(Form& form, Decimal value) {
    const DisplayFormat format = displayFormat(form);
    if (format.decimal) {
        showResult(form, numberText(value));
        remember(form, inRange(value));
        return;
    }
    try {
        showResult(form, textIn(format, value));
    } catch (const CalcError&) {
        showResult(form, kOverflowText);
    }
}

void writeNumber(Form& form, Decimal value) {
    const DisplayFormat format = displayFormat(form);
    if (format.decimal) return writeIn(form, format, value);
    try {
        writeIn(form, format, value);
    } catch (const CalcError&) {
        form.display() = kOverflowText;
        forgetShownValue(form);
    }
}

void requireShowable(const Form& form, Decimal value) { textIn(displayFormat(form), value); }

void forgetShownValue(Form& form) { form.engine.shownValid = false; }

Decimal readNumberAs(const Form& form, DisplayFormat format, bool strict) {
    if (format.decimal) {
        if (const Decimal* value = rememberedValue(form)) return *value;
        return strict ? strictNumber(form.display()) : leadingNumber(form.display());
    }
    if (strict) return radix::readWordNumeral(trimmed(form.display()), format.word);
    return radix::lenientWordNumeral(form.display(), format.word);
}

void writeNumberAs(Form& form, DisplayFormat format, Decimal value) { writeIn(form, format, value); }

Decimal displayedLeading(const Form& form) { return readNumberAs(form, displayFormat(form), false); }
Decimal displayedStrict(const Form& form) { return readNumberAs(form, displayFormat(form), true); }

}  // namespace velmor
