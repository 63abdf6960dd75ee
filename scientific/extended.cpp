// The 21 keys of the function group: reciprocal, inverse and hyperbolic functions.
#include "engine/error_texts.h"
#include "engine/form.h"
#include "numeric/errors.h"
#include "numeric/extended_math.h"
#include "scientific/angle_unit.h"
#include "scientific/key_support.h"

namespace velmor {
namespace {

// Poles and arguments outside the domain are written into the display; an
// overflow, of the result or of reading the display, is reported in a message
// box and leaves the display as it was.
void extendedKey(Form& form, const Press& press) {
    try {
        const Decimal v = form.display.read(Reading::Leading);
        showFunctionValue(form, math::extendedFunction(press.index, v, selectedUnit(form)));
    } catch (const CalcError& error) {
        if (error.code == ErrCode::DivByZero) form.display.showText(form.say(kDivideByZeroText));
        else if (error.code == ErrCode::InvalidCall) form.display.showText(form.say(kInvalidInputText));
        else form.platform.messageBox(errorTextJoined(form, error.code), MsgIcon::None);
    }
}

}  // namespace

void registerExtendedKeys(ActionTable& table) {
    table.onClickGroup(Group::Functions, extendedKey);
}

}  // namespace velmor
