// What the monkey can do, drawn at random from a generator.
#pragma once

#include <functional>
#include <random>
#include <string>

#include "robustness/monkey/session.h"

namespace velmor::monkey {

struct Action {
    std::string description;
    std::function<void()> perform;  // may wait in a message box or pop-up menu before returning
    bool closesMainWindow = false;
};

// The next action for the windows as they are now: input goes to the window
// that would receive it on a desktop (a pop-up menu, a modal box, the active window).
Action chooseAction(Session& session, std::mt19937_64& rng);

}  // namespace velmor::monkey
