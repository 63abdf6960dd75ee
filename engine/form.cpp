#include "engine/form.h"

#include "engine/texts.h"

namespace velmor {

namespace {
constexpr const char* kCaptionContext = "Key";
}

// Captions are looked up as they are: those that are words are marked for the
// catalogues in the control table; notation ("Sin", "x^y") finds no entry and stays.
std::string Form::captionOf(std::string_view caption) const {
    const std::string source(caption);
    return caption.empty() ? source : say({kCaptionContext, source.c_str()});
}

Form::Form(Platform& p) : platform(p) {
    display.setOverflowText(say(kOverflowText));
    for (const ControlRow& s : controlTable()) {
        ControlState& state = control(s.id);
        state.text = captionOf(s.caption);
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
