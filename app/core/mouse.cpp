// Mouse routing: which controls open "What is this?" help, and how.
#include <array>

#include "app/core/dispatch.h"
#include "engine/form.h"
#include "help/help_actions.h"
#include "help/help_state.h"

namespace velmor {
namespace {

using PressHandler = void (*)(Form&, Ctl, int);

// Most keys hand every press to the shared "What is this?" procedure.
void helpOnRightButton(Form& form, Ctl control, int button) { whatIsThis(form, control, button); }

// The memory keys do the "What is this?" steps in their own handler, with themselves as the key.
void memoryKeyPress(Form& form, Ctl key, int button) {
    if (button == kRightButton) showWhatIsThis(form, key);
}

// "Deg", "Rad" and "Grad" double as "Dword", "Word" and "Byte" outside decimal,
// so each press first picks the topic of the role the button has right now.
void pickAngleOptionTopic(Form& form, Ctl option) {
    const ControlRow& row = tableRow(option);
    setHelpTopic(form, option, form.isSelected(Ctl::BaseDec) ? row.helpId : row.wordSizeHelpId);
}

// A base option answers with the topic its table row names.
void pickBaseOptionTopic(Form& form, Ctl option) { setHelpTopic(form, option, tableRow(option).helpId); }

void angleOptionPress(Form& form, Ctl option, int button) {
    pickAngleOptionTopic(form, option);
    whatIsThis(form, option, button);
}

void baseOptionPress(Form& form, Ctl option, int button) {
    if (button == kRightButton) pickBaseOptionTopic(form, option);
    whatIsThis(form, option, button);
}

// A left click on the display sends the focus to the 0 key, so typing goes to the keys.
void displayPress(Form& form, Ctl display, int button) {
    if (button == kLeftButton) form.platform.setFocus(digitKey(0));
    else whatIsThis(form, display, button);
}

// The function keys answer a mouse move instead (routeMouseMove); the "." key,
// the work boxes and the frames have no mouse handler at all.
PressHandler pressHandlerOf(Ctl control) {
    if (control == Ctl::Point || control == Ctl::WorkValue || control == Ctl::FormulaPrompt) return nullptr;
    if (tableRow(control).kind == Kind::Frame || inGroup(control, Group::Functions)) return nullptr;
    if (control == Ctl::Display) return displayPress;
    if (control == Ctl::Degrees || control == Ctl::Radians || control == Ctl::Grads) return angleOptionPress;
    if (inGroup(control, Group::BaseOptions)) return baseOptionPress;
    if (control == Ctl::MemoryClear || control == Ctl::MemoryRecall || control == Ctl::MemoryStore || control == Ctl::MemoryAdd)
        return memoryKeyPress;
    return helpOnRightButton;
}

}  // namespace

void routeMousePress(Form& form, Ctl control, int button) {
    if (const PressHandler handler = pressHandlerOf(control)) handler(form, control, button);
}

void routeMouseMove(Form& form, Ctl control, int buttons) {
    if (inGroup(control, Group::Functions)) whatIsThis(form, control, buttons);
}

void routeHelpKey(Form& form, Ctl control) {
    // The option buttons answer with the topic of the role they have now, whether
    // or not they were pressed since their caption last changed.
    const PressHandler handler = pressHandlerOf(control);
    if (handler == angleOptionPress) pickAngleOptionTopic(form, control);
    if (handler == baseOptionPress) pickBaseOptionTopic(form, control);
    contextHelp(form, control);
}

// A click in context-help mode asks for the same topic as F1.
void routeWhatsThisClick(Form& form, Ctl control) { routeHelpKey(form, control); }

}  // namespace velmor
