#include "engine/pending.h"

#include <array>

#include "numeric/arithmetic.h"
#include "numeric/combinatorics.h"

#include "engine/entry.h"
#include "engine/failure_display.h"
#include "engine/form.h"
#include "engine/operand.h"

namespace velmor {
namespace {

struct BinaryOperation {
    std::string_view name;
    Reading secondOperand;    // how the display is read as the right operand
    FailureTexts failures;
    bool emptiesDisplay;      // the display is cleared to take the second operand
    Decimal (*apply)(Decimal left, Decimal right);
};

// An empty second operand reads as 0 for the operations that read the leading
// number, and is a silent type mismatch for the ones that need a whole number.
constexpr std::array<BinaryOperation, 9> kOperations{{
    {"+", Reading::Leading, FailureTexts::DivisionAndOverflow, false, checkedSum},
    {"-", Reading::Strict, FailureTexts::DivisionAndOverflow, false, checkedDifference},
    {"*", Reading::Strict, FailureTexts::DivisionAndOverflow, false, checkedProduct},
    {"/", Reading::Leading, FailureTexts::DivisionAndOverflow, true, checkedQuotient},
    {"Mod", Reading::Leading, FailureTexts::DivisionAndOverflow, false, integerRemainder},
    {"x^y", Reading::Strict, FailureTexts::OverflowOnly, true, checkedPower},
    {"nsqrt", Reading::Leading, FailureTexts::DivisionAndOverflow, true, math::nthRoot},
    {"ncr", Reading::Leading, FailureTexts::DivisionAndOverflow, true, math::combinations},
    {"npr", Reading::Leading, FailureTexts::DivisionAndOverflow, true, math::permutations},
}};

const BinaryOperation* findOperation(std::string_view name) {
    for (const BinaryOperation& op : kOperations)
        if (op.name == name) return &op;
    return nullptr;
}

Completion apply(Form& form, const BinaryOperation& op) {
    try {
        const Decimal right = readDisplay(form, op.secondOperand);
        showOperand(form, op.apply(form.engine.accumulator, right));
        // The running value is what the display holds: the full value behind a
        // decimal result, or the 32-bit numeral.
        form.engine.accumulator = readDisplay(form, Reading::Leading);
        return Completion::Completed;
    } catch (const CalcError& error) {
        showFailure(form, error.code, op.failures);
        return Completion::Failed;
    }
}

}  // namespace

Completion completePendingOperation(Form& form) {
    const BinaryOperation* op = findOperation(form.engine.pendingOp);
    form.engine.pendingOp.clear();
    form.engine.operandSincePending = false;
    return op ? apply(form, *op) : Completion::NothingPending;
}

// The display stays as the first key left it (the running value, or empty
// after "/" and "x^y"): only the operation changes.
bool replacePendingOperation(Form& form, std::string_view name) {
    const BinaryOperation* op = findOperation(name);
    EngineState& engine = form.engine;
    if (!op || engine.pendingOp.empty() || engine.operandSincePending) return false;
    engine.pendingOp = op->name;
    engine.newEntry = true;
    return true;
}

void beginBinaryOperation(Form& form, std::string_view name) {
    const BinaryOperation* op = findOperation(name);
    if (!op) return;
    if (replacePendingOperation(form, name)) return;
    EngineState& engine = form.engine;
    if (!engine.pendingOp.empty() && engine.operandSincePending &&
        completePendingOperation(form) == Completion::Failed)
        return;
    try {
        const Decimal running = readDisplay(form, Reading::Leading);
        if (op->emptiesDisplay) form.display().clear();
        else writeOperand(form, running);
        engine.accumulator = running;
        engine.pendingOp = op->name;
    } catch (const CalcError&) {
        // A display that is no number of the base starts nothing.
    }
    engine.newEntry = true;
    engine.operandSincePending = false;
}

}  // namespace velmor
