#include "engine/entry.h"

#include "engine/display_value.h"
#include "engine/form.h"
#include "engine/history.h"
#include "numeric/errors.h"
#include "numeric/numtext.h"

namespace velmor {
namespace {

void typeDigit(Form& form, const Press& press) {
    if (form.engine.newEntry) form.display().clear();
    form.display() += static_cast<char>('0' + press.index);
    forgetShownValue(form);
    form.engine.newEntry = false;
    form.engine.operandSincePending = true;
}

// Removes the last character, not the last byte, so UTF-8 text stays whole.
void dropLastCharacter(std::string& text) {
    if (text.empty()) return;
    size_t cut = text.size() - 1;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    text.erase(cut);
}

void backspace(Form& form, const Press&) {
    forgetShownValue(form);
    if (isBlank(form.display())) form.display() = "0";
    else dropLastCharacter(form.display());
}

void changeSign(Form& form, const Press&) {
    try {
        // A result keeps its full value through the sign change; an edited
        // number is read from its text, so its negation is exact too.
        writeNumber(form, -displayedLeading(form));
    } catch (const CalcError&) {
        // A prefix beyond the double range has no negation to show: keep the display.
    }
}

void clearEntry(Form& form, const Press&) {
    form.display().clear();
    form.engine.accumulator = 0;
    form.engine.pendingOp = BinaryOp::None;
    form.engine.operandSincePending = false;
    restartHistoryCursor(form);
}

}  // namespace

void decimalPoint(Form& form) {
    if (form.selectedBase() != kDec) return;  // Hex, Oct and Bin hold whole numbers
    forgetShownValue(form);
    if (form.engine.newEntry) {
        // Right after an operator the point starts the new number, so it is not lost.
        form.display() = "0.";
        form.engine.newEntry = false;
        form.engine.operandSincePending = true;
        return;
    }
    if (form.display().find('.') == std::string::npos) form.display() += '.';
}

void showResult(Form& form, const std::string& text) {
    form.display() = text;
    forgetShownValue(form);
    form.engine.newEntry = true;
    form.engine.operandSincePending = true;
}

void endEntry(Form& form) { form.engine.newEntry = true; }

void operandEntered(Form& form) { form.engine.operandSincePending = true; }

void setRunningValue(Form& form, Decimal value) { form.engine.accumulator = value; }

void registerEntryActions(ActionTable& table) {
    table.onClickGroup(Group::Digits, typeDigit);
    table.onClick(Ctl::Point, [](Form& form, const Press&) { decimalPoint(form); });
    table.onClick(Ctl::Backspace, backspace);
    table.onClick(Ctl::ChangeSign, changeSign);
    table.onClick(Ctl::ClearEntry, clearEntry);
}

}  // namespace velmor
