#include "engine/operators.h"

#include "engine/controls.h"
#include "engine/display_value.h"
#include "engine/equals.h"
#include "engine/failure_display.h"
#include "engine/form.h"
#include "engine/history.h"
#include "engine/one_operand.h"
#include "engine/operand.h"
#include "engine/pending.h"
#include "numeric/errors.h"

namespace velmor {
namespace {

// The keys record the operand they find, but compute nothing on hexadecimal text.
void refuseHexOperand(Form& form) {
    try {
        recordOperand(form, readDisplay(form, Reading::Leading));
    } catch (const CalcError&) {
        // Text that is no hexadecimal numeral has no operand to record.
    }
    refuseInHex(form);
}

void pressOperator(Form& form, const Press& press) {
    const bool oneOperand = isOneOperandKey(press.index);
    if (form.display().empty()) {
        // Right after "/" or "x^y" the display is empty: a second operator replaces the first.
        recordOperand(form, 0);
        if (!oneOperand && !hexSelected(form)) replacePendingOperation(form, binaryOpOfKey(press.control).value_or(BinaryOp::None));
        return;
    }
    // In Hex the two-operand keys refuse; the one-operand keys compute as in Oct and Bin.
    if (hexSelected(form) && !oneOperand) return refuseHexOperand(form);
    Decimal operand;
    try {
        operand = readDisplay(form, Reading::Leading);
    } catch (const CalcError&) {
        return;  // an unreadable display (beyond the range, not a numeral) changes nothing
    }
    recordOperand(form, operand);
    if (isOneOperandKey(press.index)) applyOneOperandKey(form, press.index);
    else beginBinaryOperation(form, binaryOpOfKey(press.control).value_or(BinaryOp::None));
}

}  // namespace

void registerOperatorActions(ActionTable& table) {
    table.onClickGroup(Group::Operators, pressOperator);
    table.onClick(Ctl::Equals, equalsKey);
}

}  // namespace velmor
