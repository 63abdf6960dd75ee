#include "formula/formula_actions.h"

#include "engine/form.h"
#include "formula/formula_cycle.h"
#include "formula/formula_entry.h"

namespace velmor {
void registerFormulaActions(ActionTable& table) {
    table.onClick(Ctl::Formula, [](Form& form, const Press&) { startFormulaEntry(form); });
    table.onClickWhile(Group::Operators, typingFormula, typeOperator);
    table.onClickWhile(Group::HexLetters, typingFormula, typeVariable);
    table.onClickWhile(Group::BaseOptions, typingFormula, changeBaseKeepingFormula);
    table.onClick(Ctl::OpenParen, typeParenthesis);
    table.onClick(Ctl::CloseParen, typeParenthesis);
    table.onClick(Ctl::SendFormula, [](Form& form, const Press&) { pressOkOrNew(form); });
}

}  // namespace velmor
