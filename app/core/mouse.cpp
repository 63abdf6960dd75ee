// Mouse routing: which controls open "What is this?" help, and how.
#include <array>

#include "app/core/dispatch.h"
#include "engine/form.h"
#include "help/help_actions.h"

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
    constexpr std::array<Ctl, 3> kButtons = {Ctl::optDeg, Ctl::optRad, Ctl::optGrad};
    constexpr int kWordSizeTopic = 17, kAngleUnitTopic = 20;
    const bool decimal = form.isSelected(option1(kDec));
    for (int i = 0; i < 3; ++i)
        if (kButtons[i] == option) form.help.helpId[toInt(option)] = (decimal ? kAngleUnitTopic : kWordSizeTopic) + i;
}

void pickBaseOptionTopic(Form& form, Ctl option) {
    constexpr int kHexTopic = 13;
    form.help.helpId[toInt(option)] = kHexTopic + arrayIndex(option);
}

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
    if (button == kLeftButton) form.platform.setFocus(cmdNo(0));
    else whatIsThis(form, display, button);
}

// The function keys answer a mouse move instead (routeMouseMove); the "." key,
// the work boxes and the frames have no mouse handler at all.
PressHandler pressHandlerOf(Ctl control) {
    if (control == Ctl::Command1 || control == Ctl::Text2 || control == Ctl::txtformu) return nullptr;
    if (tableRow(control).kind == Kind::Frame || isMember(control, "cmdCont")) return nullptr;
    if (control == Ctl::Text1) return displayPress;
    if (control == Ctl::optDeg || control == Ctl::optRad || control == Ctl::optGrad) return angleOptionPress;
    if (isMember(control, "Option1")) return baseOptionPress;
    if (control == Ctl::Command3 || control == Ctl::Command4 || control == Ctl::Command5 || control == Ctl::Command6)
        return memoryKeyPress;
    return helpOnRightButton;
}

}  // namespace

void routeMousePress(Form& form, Ctl control, int button) {
    if (const PressHandler handler = pressHandlerOf(control)) handler(form, control, button);
}

void routeMouseMove(Form& form, Ctl control, int buttons) {
    if (isMember(control, "cmdCont")) whatIsThis(form, control, buttons);
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
