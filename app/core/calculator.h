// The headless calculator: the form state with every subsystem's actions wired
// in, and the entry points the window forwards its input to. No Qt here.
#pragma once

#include <string>

#include "app/core/dispatch.h"
#include "engine/actions.h"
#include "engine/form.h"

namespace velmor {

class Calculator {
public:
    explicit Calculator(Platform& platform);
    Calculator(const Calculator&) = delete;
    Calculator& operator=(const Calculator&) = delete;

    Form& form() { return form_; }
    const Form& form() const { return form_; }

    // A left click on a control (ignored while it is disabled or hidden).
    void click(Ctl control);
    void menu(Menu item);
    // A typed character, whichever control has the focus; true when it
    // worked a key (a disabled key refuses its character).
    bool keyPress(int keyAscii);
    void mousePress(Ctl control, int button);
    void mouseMove(Ctl control, int buttons);
    // F1 (typed or queued) while `focused` has the focus.
    void helpKey(Ctl focused);
    // A click in the desktop's context-help mode; only a control that
    // answersWhatsThis() is asked.
    void whatsThisClick(Ctl control);
    bool answersWhatsThis(Ctl control) const;
    // Puts a text straight into the display, as a paste does (tests and the
    // random walk use it to reach texts the keys cannot type).
    void displayEdited(const std::string& text);

    bool accepts(Ctl control) const;
    // Failures that escaped a key action (none, unless an action has a fault).
    int escapedFailures() const { return escapedFailures_; }

private:
    template <typename Action>
    void guarded(Action&& action);

    ActionTable actions_;
    Form form_;
    int escapedFailures_ = 0;
};

}  // namespace velmor
