// The pending two-operand operation: the running value in `accumulator`, the
// operation's name in `pendingOp`, and the second operand on the display.
// Chains run left to right without precedence.
#pragma once

#include <string_view>

namespace velmor {

struct Form;

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
// was set, then makes `name` pending with the displayed running value as its left
// operand. "/", "x^y" and the scientific ones empty the display for the second
// operand; the others leave the running value on display. A failed completion
// leaves its error shown and nothing pending.
void beginBinaryOperation(Form& form, std::string_view name);

// A two-operand key pressed right after another one, with no operand entered
// in between, takes its place: the first operand stays, `name` is pending.
// Returns false (and changes nothing) when there is no such operation to replace.
bool replacePendingOperation(Form& form, std::string_view name);

}  // namespace velmor
