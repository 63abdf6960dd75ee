#include "engine/one_operand.h"

#include "engine/arithmetic.h"
#include "engine/controls.h"
#include "engine/entry.h"
#include "engine/failure_display.h"
#include "engine/form.h"
#include "engine/operand.h"

namespace velmor {
namespace {

struct OneOperandFunction {
    double (*apply)(double);
    FailureTexts failures;
};

double square(double x) { return checkedPower(x, 2); }
double cube(double x) { return checkedPower(x, 3); }
double reciprocal(double x) { return checkedQuotient(1, x); }

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
        const double x = readDisplay(form, Reading::Strict);
        showResult(form, resultText(form, function->apply(x)));
    } catch (const CalcError& error) {
        showFailure(form, error.code, function->failures);
    }
}

}  // namespace velmor
