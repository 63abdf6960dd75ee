// The n-th root, "ncr" and "npr" keys: they take the displayed value as the
// first operand and leave the computation to "=".
#include "engine/form.h"
#include "scientific/key_support.h"

namespace velmor {
namespace {

// An operation pending before is replaced without being computed. A display
// too large to read prepares nothing.
void prepare(Form& form, const char* operation) {
    const std::optional<double> v = leadingDisplayValue(form);
    if (!v) return;
    form.engine.accumulator = *v;
    form.engine.pendingOp = operation;
    form.engine.operandSincePending = false;
    form.display().clear();
}

}  // namespace

void registerTwoOperandKeys(ActionTable& table) {
    table.onClick(Ctl::cmdnsqrt, [](Form& f, const Press&) { prepare(f, "nsqrt"); });
    table.onClick(Ctl::cmdncr, [](Form& f, const Press&) { prepare(f, "ncr"); });
    table.onClick(Ctl::cmdnpr, [](Form& f, const Press&) { prepare(f, "npr"); });
}

}  // namespace velmor
