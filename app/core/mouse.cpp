// Mouse routing: which controls open "What is this?" help, and how.
#include "app/core/dispatch.h"
#include "engine/form.h"
#include "help/help_actions.h"

namespace velmor {
namespace {

// The option buttons take the help topic of the role they have at the time of the press.
void setRunTimeHelpId(Form& form, Ctl control, int button) {
    int& id = form.help.helpId[toInt(control)];
    if (isMember(control, "Option1")) {
        if (button == kRightButton) id = 13 + arrayIndex(control);
        return;
    }
    const bool dec = form.isSelected(option1(kDec));
    if (control == Ctl::optDeg) id = dec ? 20 : 17;
    if (control == Ctl::optRad) id = dec ? 21 : 18;
    if (control == Ctl::optGrad) id = dec ? 22 : 19;
}

}  // namespace

void routeMousePress(Form& form, Ctl control, int button) {
    setRunTimeHelpId(form, control, button);
    if (control == Ctl::Command1 || isMember(control, "cmdCont")) return;
    if (spec(control).kind == Kind::Frame || control == Ctl::Text2 || control == Ctl::txtformu) return;
    if (control == Ctl::Text1 && button == kLeftButton) {
        form.platform.setFocus(cmdNo(0));
        return;
    }
    whatIsThis(form, control, button);
}

void routeMouseMove(Form& form, Ctl control, int buttons) {
    if (isMember(control, "cmdCont")) whatIsThis(form, control, buttons);
}

}  // namespace velmor
