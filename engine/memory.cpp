// The memory keys and pi: they work on the display only, never on the running
// value or the pending operation.
#include "engine/memory.h"

#include "engine/form.h"
#include "engine/texts.h"
#include "numeric/arithmetic.h"
#include "numeric/elementary.h"
#include "numeric/errors.h"
#include "numeric/numtext.h"

namespace velmor {
namespace {

void memoryClear(Form& form, const Press&) {
    form.engine.memoryValue = 0;
    form.display.show(0);
}

void memoryRecall(Form& form, const Press&) { form.display.showOrOverflow(form.engine.memoryValue); }

// The memory stays within the range: a display or sum beyond it leaves it as it was.
void storeInMemory(Form& form, Decimal addend) {
    try {
        form.engine.memoryValue = checkedSum(form.display.read(Reading::Leading), addend);
    } catch (const CalcError&) {
        form.display.showOverflow();
    }
}

void memoryStore(Form& form, const Press&) { storeInMemory(form, Decimal()); }
void memoryAdd(Form& form, const Press&) { storeInMemory(form, form.engine.memoryValue); }
// Pi shows its 15 digits with the whole of pi behind them, like any key's
// result, so Sin of it is 0 while a typed 3.14159265358979 keeps its own sine.
// In Hex, Oct and Bin it is the whole number 3.
void pi(Form& form, const Press&) { form.display.show(math::pi()); }

}  // namespace

void registerMemoryActions(ActionTable& table) {
    table.onClick(Ctl::MemoryClear, memoryClear);
    table.onClick(Ctl::MemoryRecall, memoryRecall);
    table.onClick(Ctl::MemoryStore, memoryStore);
    table.onClick(Ctl::MemoryAdd, memoryAdd);
    table.onClick(Ctl::Pi, pi);
}

}  // namespace velmor
