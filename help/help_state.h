// What "What is this?" help and the About dialog keep: each control's help
// topic now, and whether About is open over the disabled main window. Other
// parts change a topic only through `setHelpTopic`.
#pragma once

#include <array>

#include "engine/controls.h"
#include "engine/form.h"

namespace velmor {

struct HelpState : PartState {
    HelpState() {
        for (const ControlRow& row : controlTable()) helpId[toInt(row.id)] = row.helpId;
    }
    std::array<int, kControlCount> helpId{};  // run-time identifiers (option buttons change theirs)
    bool aboutOpen = false;
    bool mainEnabled = true;
};

inline HelpState& helpState(Form& form) { return static_cast<HelpState&>(form.part(Part::Help)); }
inline const HelpState& helpState(const Form& form) { return static_cast<const HelpState&>(form.part(Part::Help)); }

// The topic "What is this?" shows for the control from now on, 0 for none.
inline int helpTopic(const Form& form, Ctl control) { return helpState(form).helpId[toInt(control)]; }
inline void setHelpTopic(Form& form, Ctl control, int topic) { helpState(form).helpId[toInt(control)] = topic; }

}  // namespace velmor
