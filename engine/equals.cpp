#include "engine/equals.h"

#include "engine/failure_display.h"
#include "engine/form.h"
#include "engine/pending.h"
#include "numeric/errors.h"
#include "numeric/numtext.h"

namespace velmor {

void equalsKey(Form& form, const Press&) {
    if (form.display.format().base == kHex && form.engine.pendingOp != BinaryOp::None) {
        form.engine.pendingOp = BinaryOp::None;
        return refuseInHex(form);
    }
    if (completePendingOperation(form) == Completion::Failed) return;
    try {
        form.control(Ctl::WorkValue).text = numberText(form.engine.accumulator);
    } catch (const CalcError&) {
        // The running value is always finite; should it not be, the work box keeps its text.
    }
}

}  // namespace velmor
