#include "engine/operand.h"

#include <optional>

#include "engine/controls.h"
#include "engine/display_value.h"
#include "engine/entry.h"
#include "engine/form.h"
#include "numeric/errors.h"
#include "numeric/radix.h"

namespace velmor {
namespace {

// The numeral of a value in Oct or Bin; nothing in Dec (and Hex, which has no
// arithmetic of its own).
std::optional<std::string> numeralOf(const Form& form, Decimal value) {
    switch (form.selectedBase()) {
    case kOct: return radix::octalText(value);
    case kBin: return radix::binaryText(value);
    default: return std::nullopt;
    }
}

}  // namespace

bool hexSelected(const Form& form) { return form.selectedBase() == kHex; }

Decimal readDisplay(const Form& form, Reading reading) {
    const std::string& text = form.display();
    switch (form.selectedBase()) {
    case kOct:
        if (text.empty() && reading == Reading::Leading) return 0;
        return radix::readOctal(text);
    case kBin:
        if (text.empty() && reading == Reading::Leading) return 0;
        return radix::readBinary(text);
    case kHex:
        if (text.empty() && reading == Reading::Leading) return 0;
        return radix::readHex(text);
    default:
        return reading == Reading::Leading ? displayedLeading(form) : displayedStrict(form);
    }
}

void showOperand(Form& form, Decimal value) {
    if (const auto numeral = numeralOf(form, value)) showResult(form, *numeral);
    else showNumber(form, value);
}

void writeOperand(Form& form, Decimal value) {
    if (const auto numeral = numeralOf(form, value)) {
        form.display() = *numeral;
        forgetShownValue(form);
    } else {
        writeNumber(form, value);
    }
}

}  // namespace velmor
