#include "engine/pending.h"

#include <array>

#include "numeric/arithmetic.h"
#include "numeric/combinatorics.h"
#include "numeric/numtext.h"

#include "engine/entry.h"
#include "engine/failure_display.h"
#include "engine/form.h"

namespace velmor {
namespace {

struct BinaryOperation {
    BinaryOp op;
    Ctl key;                  // the key that sets it
    std::string_view name;
    Reading secondOperand;    // how the display is read as the right operand
    FailureTexts failures;
    bool emptiesDisplay;      // the display is cleared to take the second operand
    Decimal (*apply)(Decimal left, Decimal right);
};

// An empty second operand reads as 0 for the operations that read the leading
// number, and is a silent type mismatch for the ones that need a whole number.
// Rows follow the BinaryOp enumeration, after None.
constexpr std::array<BinaryOperation, 9> kOperations{{
    {BinaryOp::Plus, Ctl::Plus, "+", Reading::Leading, FailureTexts::DivisionAndOverflow, false, checkedSum},
    {BinaryOp::Minus, Ctl::Minus, "-", Reading::Strict, FailureTexts::DivisionAndOverflow, false, checkedDifference},
    {BinaryOp::Times, Ctl::Multiply, "*", Reading::Strict, FailureTexts::DivisionAndOverflow, false, checkedProduct},
    {BinaryOp::Divide, Ctl::Divide, "/", Reading::Leading, FailureTexts::DivisionAndOverflow, true, checkedQuotient},
    {BinaryOp::Mod, Ctl::Mod, "Mod", Reading::Leading, FailureTexts::DivisionAndOverflow, false, integerRemainder},
    {BinaryOp::Power, Ctl::Power, "x^y", Reading::Strict, FailureTexts::OverflowOnly, true, checkedPower},
    {BinaryOp::NthRoot, Ctl::NthRoot, "nsqrt", Reading::Leading, FailureTexts::DivisionAndOverflow, true, math::nthRoot},
    {BinaryOp::Combinations, Ctl::Combinations, "ncr", Reading::Leading, FailureTexts::DivisionAndOverflow, true,
     math::combinations},
    {BinaryOp::Permutations, Ctl::Permutations, "npr", Reading::Leading, FailureTexts::DivisionAndOverflow, true,
     math::permutations},
}};

constexpr bool operationsInEnumOrder() {
    for (size_t i = 0; i < kOperations.size(); ++i)
        if (static_cast<size_t>(kOperations[i].op) != i + 1) return false;
    return true;
}
static_assert(operationsInEnumOrder(), "operation rows must follow the BinaryOp enumeration");

const BinaryOperation* findOperation(BinaryOp op) {
    return op == BinaryOp::None ? nullptr : &kOperations[static_cast<size_t>(op) - 1];
}

Completion apply(Form& form, const BinaryOperation& op) {
    try {
        const Decimal right = form.display.read(op.secondOperand);
        form.display.show(op.apply(form.engine.accumulator, right));
        // The running value is what the display holds: the full value behind a
        // decimal result, or the numeral's value in the word.
        form.engine.accumulator = form.display.read(Reading::Leading);
        return Completion::Completed;
    } catch (const CalcError& error) {
        showFailure(form, error.code, op.failures);
        return Completion::Failed;
    }
}

}  // namespace

std::optional<BinaryOp> binaryOpOfKey(Ctl key) {
    for (const BinaryOperation& row : kOperations)
        if (row.key == key) return row.op;
    return std::nullopt;
}

std::string_view nameOf(BinaryOp op) {
    const BinaryOperation* row = findOperation(op);
    return row ? row->name : std::string_view();
}

BinaryOp binaryOpNamed(std::string_view name) {
    for (const BinaryOperation& row : kOperations)
        if (row.name == name) return row.op;
    return BinaryOp::None;
}

Completion completePendingOperation(Form& form) {
    const BinaryOperation* op = findOperation(form.engine.pendingOp);
    form.engine.pendingOp = BinaryOp::None;
    form.engine.operandsAtPending = form.display.operandCount();
    return op ? apply(form, *op) : Completion::NothingPending;
}

// The display stays as the first key left it (the running value, or empty
// after "/" and "x^y"): only the operation changes.
bool replacePendingOperation(Form& form, BinaryOp replacement) {
    EngineState& engine = form.engine;
    if (replacement == BinaryOp::None || engine.pendingOp == BinaryOp::None || form.operandSincePending()) return false;
    engine.pendingOp = replacement;
    form.display.endEntry();
    return true;
}

void beginBinaryOperation(Form& form, BinaryOp operation) {
    const BinaryOperation* op = findOperation(operation);
    if (!op) return;
    if (replacePendingOperation(form, operation)) return;
    EngineState& engine = form.engine;
    if (engine.pendingOp != BinaryOp::None && form.operandSincePending() &&
        completePendingOperation(form) == Completion::Failed)
        return;
    try {
        const Decimal running = form.display.read(Reading::Leading);
        if (op->emptiesDisplay) form.display.clear();
        else form.display.show(running);
        engine.accumulator = running;
        engine.pendingOp = operation;
    } catch (const CalcError&) {
        // A display that is no number of the base starts nothing.
    }
    form.display.endEntry();
    engine.operandsAtPending = form.display.operandCount();
}

}  // namespace velmor
