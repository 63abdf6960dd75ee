// The operand history and its review cursor. Every operator key records the
// operand it finds; the top "Next" key steps through those operands, and the
// statistics "Next" through the statistics list, both with the one cursor
// `nextIndex` that the statistics entry advances too.
#pragma once

#include <array>

#include "engine/form.h"
#include "numeric/decimal.h"

namespace velmor {

// Stores the operand at the cursor and advances it. A full history (cursor past
// its last slot) takes nothing and keeps its cursor; the key goes on regardless.
void recordOperand(Form& form, Decimal value);

// Puts the cursor back to the first slot.
void restartHistoryCursor(Form& form);
// Moves the cursor one slot on, as a value entered elsewhere does.
void advanceHistoryCursor(Form& form);

// One press of a "Next" key over the first `filled` slots of `list` (the
// statistics data, or all the recorded operands): the first press shows slot 0
// and remembers how far the cursor had come, at most `filled`; each further
// press shows the next slot, until that count is reached. A slot at or past
// the count is never shown: "Number's completed" is.
void reviewNext(Form& form, const std::array<Decimal, kHistorySlots>& list, int filled);

// The top "Next" key: the review of the recorded operands.
void registerHistoryActions(ActionTable& table);

}  // namespace velmor
