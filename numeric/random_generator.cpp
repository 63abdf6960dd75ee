#include "numeric/random_generator.h"

#include <bit>

namespace velmor::math {
namespace {

constexpr std::uint32_t kStateMask = 0xFFFFFF;  // 24 bits: every value is exact in a float
constexpr std::uint32_t kMultiplier = 0x43FD43FD;
constexpr std::uint32_t kIncrement = 0xC39EC3;

}  // namespace

float nextRandom(std::uint32_t& state, float argument) {
    if (argument < 0) {
        const std::uint32_t bits = std::bit_cast<std::uint32_t>(argument);
        state = (bits + (bits >> 24)) & kStateMask;
    }
    if (argument != 0) state = (state * kMultiplier + kIncrement) & kStateMask;
    return static_cast<float>(state) / 16777216.0f;
}

}  // namespace velmor::math
