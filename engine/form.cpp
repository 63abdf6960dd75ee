#include "engine/form.h"

namespace velmor {

Form::Form(Platform& p) : platform(p) {
    for (const ControlRow& s : controlTable()) {
        ControlState& state = control(s.id);
        state.text = std::string(s.caption);
        state.enabled = s.enabledAtStart;
        state.visible = s.visibleAtStart;
    }
    for (const MenuRow& s : menuTable()) {
        menu(s.id).checked = s.checkedAtStart;
    }
    control(baseOption(display.format().base)).selected = true;
    control(Ctl::Degrees).selected = true;
}

void runClick(Form& form, Ctl c) {
    if (!form.actions) return;
    if (const ClickAction action = form.actions->clickAction(form, c)) action(form, Press{c, arrayIndex(c)});
}

void Form::selectOption(Ctl c) {
    const Ctl parent = tableRow(c).parent;
    for (const ControlRow& s : controlTable())
        if (s.kind == Kind::Option && s.parent == parent) control(s.id).selected = (s.id == c);
}

}  // namespace velmor
