// How many values the operand history and the statistics list hold, slots 0 to 200.
// The list-full message counts them from here too.
#pragma once

namespace velmor {

inline constexpr int kHistorySlots = 201;

}  // namespace velmor
