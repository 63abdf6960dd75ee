// The pending two-operand operation: the running value in `accumulator`, the
// operation in `pendingOp`, and the second operand on the display.
// Chains run left to right without precedence.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/controls.h"

namespace velmor {

struct Form;

enum class BinaryOp : std::uint8_t {
    None, Plus, Minus, Times, Divide, Mod, Power, NthRoot, Combinations, Permutations
};

// The operation a two-operand key sets; nothing for any other key.
std::optional<BinaryOp> binaryOpOfKey(Ctl key);
// The operation's short name ("+", "x^y", "nsqrt" ...; empty for None), and back.
std::string_view nameOf(BinaryOp op);
BinaryOp binaryOpNamed(std::string_view name);

enum class Completion {
    NothingPending,  // no known operation was pending; the display is untouched
    Completed,       // the result is on display and is the new running value
    Failed,          // the failure's text (or the unchanged display) is shown
};

// Applies the pending operation to `accumulator` and the displayed operand and
// shows the result, as "=" does. Clears the pending operation in every case.
Completion completePendingOperation(Form& form);

// A two-operand key ("+", "-", "*", "/", "Mod", "x^y", "nsqrt", "ncr", "npr"):
// completes the pending operation when a value has reached the display since it
// was set, then makes `op` pending with the displayed running value as its left
// operand. "/", "x^y" and the scientific ones empty the display for the second
// operand; the others leave the running value on display. A failed completion
// leaves its error shown and nothing pending.
void beginBinaryOperation(Form& form, BinaryOp op);

// A two-operand key pressed right after another one, with no operand entered
// in between, takes its place: the first operand stays, `op` is pending.
// Returns false (and changes nothing) when there is no such operation to replace.
bool replacePendingOperation(Form& form, BinaryOp op);

}  // namespace velmor
