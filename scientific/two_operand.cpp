// The n-th root, "ncr" and "npr" keys: two-operand keys like the operators.
// They complete an operation pending before, take the displayed value as the
// first operand and leave the computation to "=".
#include "engine/form.h"
#include "engine/pending.h"
#include "scientific/key_support.h"

namespace velmor {
namespace {

// A display too large to read prepares nothing.
void prepare(Form& form, const char* operation) {
    if (!leadingDisplayValue(form)) return;
    beginBinaryOperation(form, operation);
}

}  // namespace

void registerTwoOperandKeys(ActionTable& table) {
    table.onClick(Ctl::NthRoot, [](Form& f, const Press&) { prepare(f, "nsqrt"); });
    table.onClick(Ctl::Combinations, [](Form& f, const Press&) { prepare(f, "ncr"); });
    table.onClick(Ctl::Permutations, [](Form& f, const Press&) { prepare(f, "npr"); });
}

}  // namespace velmor
