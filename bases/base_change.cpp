#include <array>

#include "bases/base_keys.h"
#include "bases/procedures.h"
#include "engine/display_value.h"
#include "engine/form.h"
#include "numeric/errors.h"
#include "numeric/numtext.h"
#include "numeric/radix.h"

namespace velmor {
namespace {

constexpr Ctl kUnitButtons[] = {Ctl::Degrees, Ctl::Radians, Ctl::Grads};

void enableKeysFor(Form& form, int base) {
    Enables(form, base != kBin, base == kHex);
    form.control(Ctl::Point).enabled = base == kDec;  // whole numbers outside decimal
    if (base == kOct) {
        form.control(digitKey(8)).enabled = false;
        form.control(digitKey(9)).enabled = false;
    }
}

// The old base's numeral is read as a signed number of its word size (Byte FF
// is -1), a decimal display by its leading number (the full value behind a
// result); the value is written in the new base, whose word size starts at
// Dword. An empty display has nothing to convert and stays empty in every base.
void convertDisplay(Form& form, int oldBase, int oldBits, int newBase) {
    if (oldBase == newBase || isBlank(form.display())) return;
    const Decimal value = readNumberAs(form, formatOf(oldBase, oldBits), oldBase != kDec);
    writeNumberAs(form, formatOf(newBase, 32), value);
    // The hexadecimal conversion leaves the binary numeral in the work box.
    if (oldBase == kHex) form.control(Ctl::WorkValue).text = radix::binaryText(value);
}

Ctl selectedUnitButton(const Form& form) {
    for (Ctl button : {Ctl::Radians, Ctl::Grads, Ctl::Degrees})
        if (form.isSelected(button)) return button;
    return Ctl::Degrees;
}

void labelUnitButtons(Form& form, const std::array<const char*, 3>& captions) {
    for (int i = 0; i < 3; ++i) form.control(kUnitButtons[i]).text = captions[i];
}

// Outside decimal the unit buttons choose a word size, starting at Dword; back in
// decimal the angle unit chosen before leaving decimal returns.
void relabelUnitButtons(Form& form, int newBase) {
    if (newBase == kDec) {
        labelUnitButtons(form, {"Deg", "Rad", "Grad"});
        form.selectOption(form.bases.decimalAngleUnit);
        form.bases.typedLimit = kDecimalTypedLimit;
    } else {
        form.selectOption(Ctl::Degrees);
        labelUnitButtons(form, {"Dword", "Word", "Byte"});
        form.bases.typedLimit = kNewBaseTypedLimit;
    }
}

void applyBaseChange(Form& form) {
    const int oldBase = form.bases.base;
    const int newBase = form.selectedBase();
    if (oldBase == kDec) form.bases.decimalAngleUnit = selectedUnitButton(form);
    const int oldBits = selectedWordBits(form);
    enableKeysFor(form, newBase);
    convertDisplay(form, oldBase, oldBits, newBase);
    form.bases.base = newBase;
    relabelUnitButtons(form, newBase);
    runClick(form, selectedUnitButton(form));
}

}  // namespace

// A change that fails (overflow, or a display that is no numeral of the old
// base) tells the error and puts back every control and base setting, so the
// old base stays selected with its display, keys, captions and word size. The
// click has already selected the new option, so the old one is selected again.
void changeBase(Form& form, const Press&) {
    const auto controlsBefore = form.controls;
    const BasesState basesBefore = form.bases;
    try {
        applyBaseChange(form);
    } catch (const CalcError& error) {
        form.controls = controlsBefore;
        form.bases = basesBefore;
        form.selectOption(baseOption(basesBefore.base));
        form.platform.messageBox(errorNumberText(error.code), MsgIcon::None);
    }
}

}  // namespace velmor
