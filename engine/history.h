// The operand history: one entry per operator key press, replayed by the
// formula's "Next" review.
#pragma once

#include "numeric/decimal.h"

namespace velmor {

struct Form;

// Stores the operand at the cursor and advances it. A full history (cursor past
// its last slot) takes nothing and keeps its cursor; the key goes on regardless.
void recordOperand(Form& form, Decimal value);

}  // namespace velmor
