// A random walk over every input a user has, with the invariants checked after
// each action. Seeds are fixed so that a failure reproduces.
#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "app/core/calculator.h"
#include "support/fake_platform.h"

namespace velmor::walk {

enum class Kind { Click, Type, RightPress, RightMove, Menu, Paste, Edit, HelpKey };

struct Action {
    Kind kind;
    int target = 0;     // control or menu item
    int code = 0;       // character code
    std::string text;   // pasted or edited text
};

// Describes an action the way a scenario file would write it.
std::string describe(const Action& action);

// Draws the next action from the generator.
Action randomAction(std::mt19937_64& rng);

// A calculator on a recording platform that replays actions and checks invariants.
class Session {
public:
    Session();
    // Runs one action; the broken invariant, if any.
    std::optional<std::string> step(const Action& action);

private:
    std::optional<std::string> checkInvariants() const;
    // After a key that writes the display in Hex, Oct or Bin: the display is empty,
    // an error text or a numeral of the base within the word size.
    std::optional<std::string> checkWrittenNumeral(const std::string& before, const Action& action) const;

    testing::FakePlatform platform_;
    Calculator calc_{platform_};
    Ctl focus_ = Ctl::Digit0;
};

// Replays a sequence from a fresh calculator; the first broken invariant.
std::optional<std::string> replay(const std::vector<Action>& actions);

// Removes actions while the sequence still breaks an invariant.
std::vector<Action> shorten(std::vector<Action> actions);

}  // namespace velmor::walk
