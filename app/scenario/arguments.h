// Checks of a scenario line's arguments: how many a command takes, and readers
// of the numbers, hex pairs, flags and buttons it names. Each gives nothing and
// a reason when the text is not what the command needs, so a malformed line is
// reported as a failure instead of ending the run.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/scenario/script.h"

namespace velmor::scenario {

// The reason when the line has too few or too many arguments for its command
// (`expect X` counted as the command "expect X"); nothing when it fits or the
// command has no known count.
std::optional<std::string> wrongArgumentCount(const Line& line);

// A whole decimal number from 0 to `max`, digits only.
std::optional<std::uint64_t> wholeNumber(const std::string& text, std::uint64_t max, std::string& why);
// Pairs of hex digits, "0A1b" -> {0x0A, 0x1B}.
std::optional<std::vector<std::uint8_t>> hexPairs(const std::string& text, std::string& why);
// "yes"/"true" or "no"/"false".
std::optional<bool> yesOrNo(const std::string& text, std::string& why);
// Mouse buttons joined by "+": "right", "left+right"; a Qt::MouseButtons value.
std::optional<int> mouseButtons(const std::string& text, std::string& why);

}  // namespace velmor::scenario
