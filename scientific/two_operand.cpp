// The n-th root, "ncr" and "npr" keys: two-operand keys like the operators.
// They complete an operation pending before, take the displayed value as the
// first operand and leave the computation to "=".
#include "engine/form.h"
#include "engine/pending.h"
#include "scientific/key_support.h"

namespace velmor {
namespace {

// A display too large to read prepares nothing.
void prepare(Form& form, const Press& press) {
    if (!form.display.tryRead(Reading::Leading)) return;
    if (const auto operation = binaryOpOfKey(press.control)) beginBinaryOperation(form, *operation);
}

}  // namespace

void registerTwoOperandKeys(ActionTable& table) {
    for (Ctl key : {Ctl::NthRoot, Ctl::Combinations, Ctl::Permutations}) table.onClick(key, prepare);
}

}  // namespace velmor
