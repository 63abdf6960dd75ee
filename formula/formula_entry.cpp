#include "formula/formula_entry.h"

#include "bases/base_keys.h"
#include "engine/entry.h"
#include "engine/error_texts.h"
#include "engine/form.h"
#include "engine/history.h"
#include "formula/formula_state.h"
#include "numeric/errors.h"
#include "numeric/numtext.h"

namespace velmor {
namespace {

// Formulas are typed in decimal; choosing Dec runs the base change as a click
// on its option would, and does nothing when Dec is already chosen.
bool selectDecimal(Form& form) {
    const Ctl dec = baseOption(kDec);
    if (form.display.format().decimal()) return true;
    form.selectOption(dec);
    runClick(form, dec);
    // A display the base change cannot convert keeps the old base; formula entry stays off.
    return form.display.format().decimal();
}

}  // namespace

bool typingFormula(const Form& form) { return formulaState(form).formulaMode == 1; }

void typeOperator(Form& form, const Press& press) {
    const bool empty = form.display.text().empty();
    if (const std::optional<Decimal> operand = form.display.tryRead(Reading::Leading)) {
        recordOperand(form, *operand);
        if (!empty) setRunningValue(form, *operand);
    }
    // A formula that starts with a number beyond the range has no operand to record.
    if (empty) return;
    form.display.endEntry();
    form.display.append(tableRow(press.control).formulaText);
}

void typeParenthesis(Form& form, const Press& press) { form.display.append(tableRow(press.control).formulaText); }

// Letters are the formula's variables: they append and never start a new number.
void typeVariable(Form& form, const Press& press) { form.display.append(std::string(1, static_cast<char>('A' + press.index))); }

// A base change while a formula is typed converts a number on display, but
// refuses a formula, which no base can show, as it refuses any text it cannot
// convert. Back in Dec every digit and letter is usable again.
void changeBaseKeepingFormula(Form& form, const Press& press) {
    const std::string& text = form.display.text();
    const bool number = isBlank(text) || form.display.tryRead(Reading::Strict).has_value();
    if (!number) {
        showFormatSelection(form);
        form.platform.messageBox(errorTextJoined(form, ErrCode::TypeMismatch), MsgIcon::None);
        return;
    }
    changeBase(form, press);
    if (form.display.format().decimal()) enableDigitKeys(form, true);
}

void startFormulaEntry(Form& form) {
    if (!selectDecimal(form)) return;
    // Every digit and every letter A to F is usable in a formula, whatever the base allowed.
    enableDigitKeys(form, true);
    formulaState(form).formulaMode = 1;
    form.control(Ctl::SendFormula).enabled = true;
}

}  // namespace velmor
