// The memory keys and pi: they work on the display only, never on the running
// value or the pending operation.
#include <cmath>

#include "engine/entry.h"
#include "engine/errors.h"
#include "engine/form.h"
#include "engine/numtext.h"
#include "engine/operators.h"

namespace velmor {
namespace {

constexpr double kPi = 3.14159265358979323846;

void memoryClear(Form& form, const Press&) {
    form.engine.memoryValue = 0;
    showResult(form, "0");
}

void memoryRecall(Form& form, const Press&) { showResult(form, numberText(form.engine.memoryValue)); }

// The memory stays a finite double: a display or sum beyond the range leaves it as it was.
void storeInMemory(Form& form, double addend) {
    try {
        const double value = leadingNumber(form.display()) + addend;
        if (!std::isfinite(value)) fail(ErrCode::Overflow);
        form.engine.memoryValue = value;
    } catch (const CalcError&) {
        form.display() = "Error :overflow";
        form.engine.newEntry = true;
    }
}

void memoryStore(Form& form, const Press&) { storeInMemory(form, 0); }
void memoryAdd(Form& form, const Press&) { storeInMemory(form, form.engine.memoryValue); }
void pi(Form& form, const Press&) { showResult(form, numberText(kPi)); }

}  // namespace

void registerMemoryActions(ActionTable& table) {
    table.onClick(Ctl::Command3, memoryClear);
    table.onClick(Ctl::Command4, memoryRecall);
    table.onClick(Ctl::Command5, memoryStore);
    table.onClick(Ctl::Command6, memoryAdd);
    table.onClick(Ctl::Command7, pi);
}

}  // namespace velmor
