#include "help/text_fit.h"

#include "engine/utf8.h"

namespace velmor {
namespace {

constexpr const char* kEllipsis = "\xE2\x80\xA6";
constexpr const char* kZeroWidthSpace = "\xE2\x80\x8B";

// The length in bytes of the character that starts at `at`, stray bytes counting one each.
std::size_t characterLength(std::string_view text, std::size_t at) {
    std::size_t end = at + 1;
    while (end < text.size() && end - at < 4 && continuesCharacter(text[end])) ++end;
    return end - at;
}

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Copies text character by character, breaking long runs, until `stop` says a
// character is one too many; true when everything was copied.
template <typename Stop>
bool copyWithBreaks(const std::string& text, std::size_t run, std::string& out, Stop stop) {
    std::size_t runLength = 0;
    for (std::size_t at = 0; at < text.size();) {
        if (stop(text[at])) return false;
        const std::size_t length = characterLength(text, at);
        if (isSpace(text[at])) runLength = 0;
        else if (runLength++ == run) {
            out += kZeroWidthSpace;
            runLength = 1;
        }
        out.append(text, at, length);
        at += length;
    }
    return true;
}

}  // namespace

std::string cutToCharacters(std::string_view text, std::size_t characters) {
    std::size_t at = 0;
    for (std::size_t count = 0; at < text.size() && count < characters; ++count) at += characterLength(text, at);
    if (at >= text.size()) return std::string(text);
    return std::string(text.substr(0, at)) + kEllipsis;
}

std::string_view startWithin(std::string_view text, std::size_t bytes) {
    if (text.size() <= bytes) return text;
    const auto lineEnd = text.rfind('\n', bytes - 1);
    if (lineEnd != std::string_view::npos) return text.substr(0, lineEnd + 1);
    std::size_t end = bytes;
    while (end > 0 && continuesCharacter(text[end])) --end;
    return text.substr(0, end);
}

std::string withWordBreaks(const std::string& text, std::size_t run) {
    std::string out;
    copyWithBreaks(text, run, out, [](char) { return false; });
    return out;
}

std::string fitForPopup(const std::string& text, const PopupLimits& limits, std::size_t run) {
    std::string out;
    std::size_t characters = 0, lines = 1;
    const bool whole = copyWithBreaks(text, run, out, [&](char c) {
        if (characters == limits.characters || (c == '\n' && lines == limits.lines)) return true;
        ++characters;
        lines += c == '\n' ? 1 : 0;
        return false;
    });
    if (whole) return out;
    // Drop trailing blanks so the ellipsis follows the last word shown.
    while (!out.empty() && isSpace(out.back())) out.pop_back();
    return out + kEllipsis;
}

}  // namespace velmor
