#include "app/core/calculator.h"

#include <exception>

#include "app/core/dispatch.h"
#include "bases/bases_actions.h"
#include "bases/bases_state.h"
#include "engine/edit_menu.h"
#include "engine/entry.h"
#include "engine/history.h"
#include "engine/memory.h"
#include "engine/operators.h"
#include "formula/formula_actions.h"
#include "formula/formula_state.h"
#include "help/about.h"
#include "help/help_actions.h"
#include "help/help_state.h"
#include "numeric/errors.h"
#include "scientific/scientific_actions.h"
#include "scientific/scientific_state.h"
#include "stats/stats_actions.h"
#include "stats/stats_state.h"

namespace velmor {
namespace {

ActionTable wireAllActions() {
    ActionTable table;
    registerEntryActions(table);
    registerOperatorActions(table);
    registerHistoryActions(table);
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

// Every key action reports its own failures. Should one escape anyway, it must not
// unwind into the window's event loop and end the program: it is counted instead,
// and the random walk treats any count as a broken invariant.
template <typename Action>
void Calculator::guarded(Action&& action) {
    try {
        action();
    } catch (const CalcError&) {
        ++escapedFailures_;
    } catch (const std::exception&) {
        ++escapedFailures_;
    }
}

Calculator::Calculator(Platform& platform) : actions_(wireAllActions()), form_(platform) {
    form_.actions = &actions_;
    form_.parts[static_cast<int>(Part::Bases)] = std::make_unique<BasesState>();
    form_.parts[static_cast<int>(Part::Scientific)] = std::make_unique<ScientificState>();
    form_.parts[static_cast<int>(Part::Statistics)] = std::make_unique<StatsState>();
    form_.parts[static_cast<int>(Part::Formula)] = std::make_unique<FormulaState>();
    form_.parts[static_cast<int>(Part::Help)] = std::make_unique<HelpState>();
}

bool Calculator::accepts(Ctl control) const {
    const ControlState& s = form_.control(control);
    return helpState(form_).mainEnabled && s.enabled && s.visible;
}

void Calculator::click(Ctl control) {
    if (!accepts(control)) return;
    if (tableRow(control).kind == Kind::Option) form_.selectOption(control);
    guarded([&] { runClick(form_, control); });
}

void Calculator::menu(Menu item) {
    if (!helpState(form_).mainEnabled) return;
    if (const MenuAction action = actions_.menu[static_cast<int>(item)]) guarded([&] { action(form_); });
}

// A typed character works its key exactly as a click does, and only when the
// key would take a click: disabled keys refuse their characters too.
bool Calculator::keyPress(int keyAscii) {
    if (!helpState(form_).mainEnabled) return true;
    const std::optional<Ctl> key = keyOfCharacter(form_, keyAscii);
    if (!key || !accepts(*key)) return false;
    click(*key);
    return true;
}

void Calculator::mousePress(Ctl control, int button) {
    if (!accepts(control)) return;
    guarded([&] { routeMousePress(form_, control, button); });
}

void Calculator::mouseMove(Ctl control, int buttons) {
    if (!accepts(control)) return;
    guarded([&] { routeMouseMove(form_, control, buttons); });
}

void Calculator::helpKey(Ctl focused) {
    if (!helpState(form_).mainEnabled) return;
    guarded([&] { routeHelpKey(form_, focused); });
}

bool Calculator::answersWhatsThis(Ctl control) const {
    return accepts(control) && helpTopic(form_, control) != 0;
}

void Calculator::whatsThisClick(Ctl control) {
    if (!answersWhatsThis(control)) return;
    guarded([&] { routeWhatsThisClick(form_, control); });
}

void Calculator::displayEdited(const std::string& text) { form_.display.setText(text); }

}  // namespace velmor
