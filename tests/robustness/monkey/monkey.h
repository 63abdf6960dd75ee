// The monkey: a seeded random user of the real window. It clicks every control
// with every button, types, opens menus and dialogs and answers them, pastes
// hostile texts and asks the main window to close, all through Qt's input
// events, and checks after each step that the window is still sound. A closed
// main window must end the event loop; the monkey then starts a new program
// session and goes on.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velmor::monkey {

struct Options {
    std::uint64_t seed = 1;
    long steps = 1000;
    double stepLimitSeconds = 5;  // processor time of a step beyond this counts as a hang
    bool verbose = false;         // print every step
};

struct Result {
    long steps = 0;
    long sessions = 0;       // programs started (one more after every close of the main window)
    long nestedSteps = 0;    // steps taken while a message box or pop-up menu waited
    std::optional<std::string> failure;
    std::vector<std::string> lastSteps;  // the steps before the failure, oldest first
};

Result run(const Options& options);

}  // namespace velmor::monkey
