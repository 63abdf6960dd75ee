#include "engine/form.h"

namespace velmor {

Form::Form(Platform& p) : platform(p) {
    for (const ControlRow& s : controlTable()) {
        ControlState& state = control(s.id);
        state.text = std::string(s.caption);
        state.enabled = s.enabledAtStart;
        state.visible = s.visibleAtStart;
        help.helpId[toInt(s.id)] = s.helpId;
    }
    for (const MenuRow& s : menuTable()) {
        menu(s.id).checked = s.checkedAtStart;
    }
    control(baseOption(kDec)).selected = true;
    control(Ctl::Degrees).selected = true;
}

int Form::selectedBase() const {
    for (int i = 0; i < 4; ++i)
        if (isSelected(baseOption(i))) return i;
    return kDec;
}

namespace {

void runAction(Form& form, Ctl c, bool real) {
    if (!form.actions) return;
    if (const ClickAction action = form.actions->clickAction(form, c)) action(form, Press{c, arrayIndex(c), real});
}

}  // namespace

void runClick(Form& form, Ctl c) { runAction(form, c, false); }

void runRealClick(Form& form, Ctl c) { runAction(form, c, true); }

void Form::selectOption(Ctl c) {
    const Ctl parent = tableRow(c).parent;
    for (const ControlRow& s : controlTable())
        if (s.kind == Kind::Option && s.parent == parent) control(s.id).selected = (s.id == c);
}

}  // namespace velmor
