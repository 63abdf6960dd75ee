#include "engine/operators.h"

#include "engine/controls.h"
#include "engine/equals.h"
#include "engine/failure_display.h"
#include "engine/form.h"
#include "engine/history.h"
#include "engine/one_operand.h"
#include "engine/pending.h"
#include "numeric/errors.h"

namespace velmor {
namespace {

// The operand an operator key finds on display: nothing where the display
// cannot be read (beyond the range or the word) or holds no numeral of its base.
std::optional<Decimal> operandOnDisplay(const Form& form) {
    if (!form.display.startsWithNumber()) return std::nullopt;
    return form.display.tryRead(Reading::Leading);
}

// The keys record the operand they find, but compute nothing on hexadecimal text.
void refuseHexOperand(Form& form) {
    if (const std::optional<Decimal> operand = operandOnDisplay(form)) recordOperand(form, *operand);
    refuseInHex(form);
}

void pressOperator(Form& form, const Press& press) {
    const bool oneOperand = isOneOperandKey(press.index);
    const bool hex = form.display.format().base == kHex;
    if (form.display.text().empty()) {
        // Right after "/" or "x^y" the display is empty: a second operator replaces the first.
        recordOperand(form, 0);
        if (!oneOperand && !hex) replacePendingOperation(form, binaryOpOfKey(press.control).value_or(BinaryOp::None));
        return;
    }
    // In Hex the two-operand keys refuse; the one-operand keys compute as in Oct and Bin.
    if (hex && !oneOperand) return refuseHexOperand(form);
    const std::optional<Decimal> operand = operandOnDisplay(form);
    if (!operand) return;  // no operand: nothing changes
    recordOperand(form, *operand);
    if (isOneOperandKey(press.index)) applyOneOperandKey(form, press.index);
    else beginBinaryOperation(form, binaryOpOfKey(press.control).value_or(BinaryOp::None));
}

}  // namespace

void registerOperatorActions(ActionTable& table) {
    table.onClickGroup(Group::Operators, pressOperator);
    table.onClick(Ctl::Equals, equalsKey);
}

}  // namespace velmor
