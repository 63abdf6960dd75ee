#include "engine/entry.h"

#include "engine/form.h"
#include "engine/history.h"
#include "engine/texts.h"
#include "numeric/errors.h"

namespace velmor {
namespace {

// Digits 0 to 9 and, in Hex, the letters A to F: a digit the base or the
// word cannot take changes nothing, as a disabled key would.
void typeDigit(Form& form, const Press& press) {
    const int value = tableRow(press.control).group == Group::HexLetters ? 10 + press.index : press.index;
    form.display.typeDigit(value);
}

void changeSign(Form& form, const Press&) {
    try {
        form.display.changeSign();
    } catch (const CalcError&) {
        // A numeral whose negation the word cannot hold (Byte 80) shows the
        // overflow text; a decimal prefix beyond the range has no negation to show.
        if (!form.display.format().decimal()) form.display.showOverflow();
    }
}

void clearEntry(Form& form, const Press&) {
    form.display.clear();
    form.engine.accumulator = 0;
    form.engine.pendingOp = BinaryOp::None;
    form.engine.operandsAtPending = form.display.operandCount();
    restartHistoryCursor(form);
}

}  // namespace

void enableDigitKeys(Form& form, bool everyDigit) {
    const NumberFormat& format = form.display.format();
    for (int digit = 2; digit <= 9; ++digit) form.control(digitKey(digit)).enabled = everyDigit || format.hasDigit(digit);
    for (int letter = 0; letter < 6; ++letter)
        form.control(hexKey(letter)).enabled = everyDigit || format.hasDigit(10 + letter);
    form.control(Ctl::Point).enabled = format.decimal();
}

void setRunningValue(Form& form, Decimal value) { form.engine.accumulator = value; }

void registerEntryActions(ActionTable& table) {
    table.onClickGroup(Group::Digits, typeDigit);
    table.onClickGroup(Group::HexLetters, typeDigit);
    table.onClick(Ctl::Point, [](Form& form, const Press&) { form.display.typePoint(); });
    table.onClick(Ctl::Backspace, [](Form& form, const Press&) { form.display.backspace(); });
    table.onClick(Ctl::ChangeSign, changeSign);
    table.onClick(Ctl::ClearEntry, clearEntry);
}

}  // namespace velmor
