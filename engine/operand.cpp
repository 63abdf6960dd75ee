#include "engine/operand.h"

#include <cmath>

#include "bases/radix.h"
#include "engine/controls.h"
#include "engine/errors.h"
#include "engine/form.h"
#include "engine/numtext.h"

namespace velmor {

bool hexSelected(const Form& form) { return form.selectedBase() == kHex; }

double readDisplay(const Form& form, Reading reading) {
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
        return reading == Reading::Leading ? leadingNumber(text) : strictNumber(text);
    }
}

std::string resultText(const Form& form, double value) {
    if (!std::isfinite(value)) fail(ErrCode::Overflow);
    switch (form.selectedBase()) {
    case kOct: return radix::octalText(value);
    case kBin: return radix::binaryText(value);
    default: return numberText(value);
    }
}

}  // namespace velmor
