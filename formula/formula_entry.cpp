#include "formula/formula_entry.h"

#include "bases/procedures.h"
#include "engine/form.h"
#include "engine/entry.h"
#include "engine/history.h"
#include "engine/display_value.h"
#include "numeric/errors.h"

namespace velmor {
namespace {

// Formulas are typed in decimal; choosing Dec runs the base change as a click
// on its option would, and does nothing when Dec is already chosen.
bool selectDecimal(Form& form) {
    const Ctl dec = baseOption(kDec);
    if (form.isSelected(dec)) return true;
    form.selectOption(dec);
    try {
        runClick(form, dec);
    } catch (const CalcError&) {
        return false;
    }
    // A display the base change cannot convert puts the old base back; formula entry stays off.
    return form.isSelected(dec);
}

}  // namespace

bool typingFormula(const Form& form) { return form.formula.formulaMode == 1; }

void typeOperator(Form& form, const Press& press) {
    const bool empty = form.display().empty();
    try {
        const Decimal operand = displayedLeading(form);
        recordOperand(form, operand);
        if (!empty) setRunningValue(form, operand);
    } catch (const CalcError&) {
        // A formula that starts with a number beyond the range has no operand to record.
    }
    if (empty) return;
    endEntry(form);
    form.display() += tableRow(press.control).formulaText;
}

void typeParenthesis(Form& form, const Press& press) { form.display() += tableRow(press.control).formulaText; }

void startFormulaEntry(Form& form) {
    if (!selectDecimal(form)) return;
    // Every digit and every letter A to F is usable in a formula, whatever the base allowed.
    Enables(form, true, true);
    form.formula.formulaMode = 1;
    form.control(Ctl::SendFormula).enabled = true;
}

}  // namespace velmor
