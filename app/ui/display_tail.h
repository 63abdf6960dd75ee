// What the display widget holds of the calculator's display text. A line edit
// lays out and shapes its whole text on every change, which made a key press
// cost milliseconds per ten thousand characters and a pasted text forty times
// its size in memory. A text longer than kShownBytes is therefore shown as "…"
// followed by its last kShownBytes bytes, where the digits are typed; the
// calculator keeps the whole text, and Copy copies all of it.
#pragma once

#include <QString>
#include <cstddef>
#include <string>

namespace velmor {

inline constexpr std::size_t kDisplayShownBytes = 2048;

// The text for the display widget.
QString displayWidgetText(const std::string& text);

}  // namespace velmor
