#include "app/core/calculator.h"

#include "app/core/dispatch.h"
#include "bases/bases_actions.h"
#include "engine/entry.h"
#include "engine/operators.h"
#include "formula/formula_actions.h"
#include "help/about.h"
#include "help/edit_menu.h"
#include "help/help_actions.h"
#include "scientific/scientific_actions.h"
#include "stats/stats_actions.h"

namespace velmor {
namespace {

ActionTable wireAllActions() {
    ActionTable table;
    registerEntryActions(table);
    registerOperatorActions(table);
    registerMemoryActions(table);
    registerBaseActions(table);
    registerScientificActions(table);
    registerStatsActions(table);
    registerFormulaActions(table);
    registerEditMenu(table);
    registerHelpActions(table);
    registerAboutActions(table);
    registerViewMenu(table);
    return table;
}

}  // namespace

Calculator::Calculator(Platform& platform) : actions_(wireAllActions()), form_(platform) {
    form_.actions = &actions_;
}

bool Calculator::accepts(Ctl control) const {
    const ControlState& s = form_.control(control);
    return form_.help.mainEnabled && s.enabled && s.visible;
}

void Calculator::click(Ctl control) {
    if (!accepts(control)) return;
    if (tableRow(control).kind == Kind::Option) form_.selectOption(control);
    runRealClick(form_, control);
}

void Calculator::menu(Menu item) {
    if (!form_.help.mainEnabled) return;
    if (const MenuAction action = actions_.menu[static_cast<int>(item)]) action(form_);
}

bool Calculator::keyPress(Ctl, int keyAscii) {
    if (!form_.help.mainEnabled) return true;
    return dispatchKey(form_, keyAscii);
}

void Calculator::mousePress(Ctl control, int button) {
    if (!accepts(control)) return;
    routeMousePress(form_, control, button);
}

void Calculator::mouseMove(Ctl control, int buttons) {
    if (!accepts(control)) return;
    routeMouseMove(form_, control, buttons);
}

void Calculator::helpKey(Ctl focused) {
    if (!form_.help.mainEnabled) return;
    contextHelp(form_, focused);
}

void Calculator::displayEdited(const std::string& text) {
    form_.display() = text;
    form_.engine.operandSincePending = true;
}

}  // namespace velmor
