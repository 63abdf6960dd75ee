// "n!": the factorial, or Gamma(v + 1) for a value that is not whole.
#include "engine/form.h"
#include "numeric/combinatorics.h"
#include "numeric/errors.h"
#include "scientific/key_support.h"

namespace velmor {
namespace {

// Past the double range (171 and above, or a display too large to read) the
// key apologises in a message box and empties the display once it is closed.
void factorialKey(Form& form, const Press&) {
    try {
        const Decimal v = form.display.read(Reading::Leading);
        if (v.isNegative() && !v.isZero()) {
            form.display.showText(form.say(kFactorialInvalidText));
            return;
        }
        showFunctionValue(form, math::factorial(v));
    } catch (const CalcError&) {
        form.platform.messageBox(form.say(kUnsupportedValueText), MsgIcon::None);
        form.display.showText("");
    }
}

}  // namespace

void registerFactorialKey(ActionTable& table) { table.onClick(Ctl::Factorial, factorialKey); }

}  // namespace velmor
