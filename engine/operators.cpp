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

// The keys record the operand they find, but compute nothing on hexadecimal text.
void refuseHexOperand(Form& form) {
    // Text that is no hexadecimal numeral has no operand to record.
    if (const std::optional<Decimal> operand = form.display.tryRead(Reading::Leading); operand && form.display.startsWithNumber())
        recordOperand(form, *operand);
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
    const std::optional<Decimal> operand = form.display.tryRead(Reading::Leading);
    // An unreadable display (beyond the range or the word, no numeral) changes nothing.
    if (!operand || !form.display.startsWithNumber()) return;
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
