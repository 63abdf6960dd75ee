// Help text as the help windows can lay it out: whatever a help file holds, a
// pop-up (which cannot scroll and is sized to its text) gets a text cut to what
// fits on any screen, and no window gets a run of characters without a place
// to wrap (laying out one 400,000-character word took Qt seconds).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velmor {

// Runs without spaces longer than this get a break opportunity after every this many characters.
inline constexpr std::size_t kLongestUnbrokenRun = 40;

struct PopupLimits {
    std::size_t characters;  // at most this many characters (UTF-8 code points)
    std::size_t lines;       // at most this many lines
};

// The most bytes one character takes in UTF-8.
inline constexpr std::size_t kLongestCharacterBytes = 4;

// Far beyond the longest installed topic (about 800 characters in 11 lines); 24
// subheadings, the tallest lines, still fit on an 800-pixel screen.
inline constexpr PopupLimits kPopupBodyLimits{1500, 24};
inline constexpr PopupLimits kPopupTitleLimits{120, 1};

// The text with a zero-width space after every `run` characters of an unbroken run.
std::string withWordBreaks(const std::string& text, std::size_t run = kLongestUnbrokenRun);

// The text cut to the limits, ending in "…" when something was left out, and
// with word breaks as above.
std::string fitForPopup(const std::string& text, const PopupLimits& limits, std::size_t run = kLongestUnbrokenRun);

// The text's first `characters` characters followed by "…", or the whole text
// when it is no longer; no word breaks added.
std::string cutToCharacters(std::string_view text, std::size_t characters);

// The longest start of the text of at most `bytes` bytes that ends on a line end
// or, when the first line alone is longer, on a character boundary.
std::string_view startWithin(std::string_view text, std::size_t bytes);

}  // namespace velmor
