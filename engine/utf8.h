// Stepping over UTF-8 text by characters, not bytes, so a cut never leaves
// half a character behind.
#pragma once

#include <string>

namespace velmor {

// True for the bytes that continue a character begun by an earlier byte.
constexpr bool continuesCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// Removes the last character of the text, however many bytes it has.
inline void dropLastCharacter(std::string& text) {
    if (text.empty()) return;
    size_t cut = text.size() - 1;
    while (cut > 0 && continuesCharacter(text[cut])) --cut;
    text.erase(cut);
}

}  // namespace velmor
