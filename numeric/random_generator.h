// The single-precision random generator of "Ran": BASIC's 24-bit linear
// congruential sequence, started from the same state at every program start.
#pragma once

#include <cstdint>

namespace velmor::math {

inline constexpr std::uint32_t kRandomStartState = 0x50000;

// Argument > 0: the next number of the sequence. 0: the number produced last.
// < 0: the sequence restarts from a state made of the argument's bits, so the
// same negative argument always gives the same number. Values lie in [0, 1).
float nextRandom(std::uint32_t& state, float argument);

}  // namespace velmor::math
