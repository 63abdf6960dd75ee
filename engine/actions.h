// The command vocabulary: one click action per control, one action per menu
// item. Each subsystem registers the actions of the controls it owns.
#pragma once

#include <array>

#include "engine/controls.h"

namespace velmor {

struct Form;

// One press of a key: which control, and its index in its array.
struct Press {
    Ctl control;
    int index;
};

using ClickAction = void (*)(Form&, const Press&);
using MenuAction = void (*)(Form&);
using ModeTest = bool (*)(const Form&);

// An action that takes a key's place while a mode is on: a part that changes
// what other parts' keys do registers it, so the keys' owner never tests the mode.
struct ModeAction {
    ModeTest active = nullptr;
    ClickAction action = nullptr;
};

struct ActionTable {
    std::array<ClickAction, kControlCount> click{};
    std::array<ModeAction, kControlCount> whileMode{};
    std::array<MenuAction, kMenuCount> menu{};

    void onClick(Ctl c, ClickAction action) { click[toInt(c)] = action; }
    void onClickGroup(Group group, ClickAction action) {
        for (const ControlRow& row : controlTable())
            if (row.group == group) onClick(row.id, action);
    }
    void onClickWhile(Group group, ModeTest active, ClickAction action) {
        for (const ControlRow& row : controlTable())
            if (row.group == group) whileMode[toInt(row.id)] = {active, action};
    }
    void onMenu(Menu m, MenuAction action) { menu[static_cast<int>(m)] = action; }

    // The action a click on `c` runs now: the mode's while it is on, else the key's own.
    ClickAction clickAction(const Form& form, Ctl c) const {
        const ModeAction& mode = whileMode[toInt(c)];
        return mode.active && mode.active(form) ? mode.action : click[toInt(c)];
    }
};

// Runs a control's click action: the mode's action while its mode is on, else the key's own.
void runClick(Form& form, Ctl c);

}  // namespace velmor
