#include "engine/one_operand.h"

#include "engine/controls.h"
#include "engine/entry.h"
#include "engine/failure_display.h"
#include "engine/form.h"
#include "numeric/arithmetic.h"

namespace velmor {
namespace {

struct OneOperandFunction {
    Decimal (*apply)(Decimal);
    FailureTexts failures;
};

Decimal square(Decimal x) { return checkedPower(x, 2); }
Decimal cube(Decimal x) { return checkedPower(x, 3); }
Decimal reciprocal(Decimal x) { return checkedQuotient(1, x); }

const OneOperandFunction* functionOfKey(int opIndex) {
    static constexpr OneOperandFunction kSquare{square, FailureTexts::OverflowOnly};
    static constexpr OneOperandFunction kCube{cube, FailureTexts::OverflowOnly};
    static constexpr OneOperandFunction kReciprocal{reciprocal, FailureTexts::DivisionAndOverflow};
    switch (opIndex) {
    case kOpSquare: return &kSquare;
    case kOpCube: return &kCube;
    case kOpRecip: return &kReciprocal;
    default: return nullptr;
    }
}

}  // namespace

bool isOneOperandKey(int opIndex) { return functionOfKey(opIndex) != nullptr; }

void applyOneOperandKey(Form& form, int opIndex) {
    const OneOperandFunction* function = functionOfKey(opIndex);
    if (!function) return;
    try {
        // The whole display must be a number: "12abc" is refused, not read as 12.
        const Decimal x = form.display.read(Reading::Strict);
        form.display.show(function->apply(x));
    } catch (const CalcError& error) {
        showFailure(form, error.code, function->failures);
    }
}

}  // namespace velmor
