#include "formula/formula_actions.h"

#include "engine/form.h"
#include "formula/formula_cycle.h"
#include "formula/formula_entry.h"
#include "stats/review.h"

namespace velmor {
namespace {

// The top "Next" steps through the operands the operator keys recorded,
// sharing its place with the statistics "Next".
void reviewOperands(Form& form, const Press&) { reviewNext(form, form.engine.operandHistory); }

}  // namespace

void registerFormulaActions(ActionTable& table) {
    table.onClick(Ctl::Formula, [](Form& form, const Press&) { startFormulaEntry(form); });
    table.onClick(Ctl::SendFormula, [](Form& form, const Press&) { pressOkOrNew(form); });
    table.onClick(Ctl::Next, reviewOperands);
}

}  // namespace velmor
