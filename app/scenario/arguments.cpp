#include "app/scenario/arguments.h"

#include <Qt>
#include <limits>
#include <map>

namespace velmor::scenario {
namespace {

struct Count {
    std::size_t least;
    std::size_t most;
};

constexpr std::size_t kAny = std::numeric_limits<std::size_t>::max();

// Arguments after the command word (after "expect WHAT" for expectations).
const std::map<std::string, Count>& argumentCounts() {
    static const std::map<std::string, Count> counts = {
        {"click", {1, kAny}}, {"rightclick", {1, 1}}, {"middleclick", {1, 1}}, {"doubleclick", {1, 1}},
        {"selection", {1, 1}}, {"move", {2, 2}},
        {"type", {1, 1}}, {"key", {1, 1}}, {"focus", {1, 1}}, {"menu", {1, 1}},
        {"clipboard", {1, 3}}, {"registry", {4, 4}}, {"file", {1, 1}}, {"close", {1, 1}},
        {"restart", {0, 0}}, {"save", {1, 1}}, {"expect", {1, kAny}},
        {"expect display", {1, 1}}, {"expect text", {2, 2}}, {"expect caption", {2, 2}},
        {"expect display-length", {1, 1}}, {"expect client-size", {2, 2}},
        {"expect enabled", {2, 2}}, {"expect visible", {2, 2}}, {"expect selected", {2, 2}},
        {"expect checked", {2, 2}}, {"expect focus", {1, 1}}, {"expect open", {2, 2}},
        {"expect clipboard", {1, 1}}, {"expect message", {1, 2}}, {"expect any-message", {0, 0}},
        {"expect no-message", {0, 0}}, {"expect help", {1, 1}}, {"expect helpfile", {1, 1}},
        {"expect no-help", {0, 0}}, {"expect started", {1, 1}},
    };
    return counts;
}

std::string countText(const Count& c) {
    if (c.least == c.most) return std::to_string(c.least) + (c.least == 1 ? " argument" : " arguments");
    if (c.most == kAny) return "at least " + std::to_string(c.least) + (c.least == 1 ? " argument" : " arguments");
    return std::to_string(c.least) + " to " + std::to_string(c.most) + " arguments";
}

std::optional<std::string> checkCount(const std::string& command, std::size_t given) {
    const auto found = argumentCounts().find(command);
    if (found == argumentCounts().end()) return std::nullopt;
    const Count& c = found->second;
    if (given >= c.least && given <= c.most) return std::nullopt;
    return command + " takes " + countText(c) + ", got " + std::to_string(given);
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::optional<std::string> wrongArgumentCount(const Line& line) {
    const std::string& command = line.tokens[0].text;
    if (auto why = checkCount(command, line.tokens.size() - 1)) return why;
    if (command != "expect") return std::nullopt;
    return checkCount("expect " + line.tokens[1].text, line.tokens.size() - 2);
}

std::optional<std::uint64_t> wholeNumber(const std::string& text, std::uint64_t max, std::string& why) {
    std::uint64_t value = 0;
    bool fits = !text.empty();
    for (char c : text) {
        if (c < '0' || c > '9') {
            fits = false;
            break;
        }
        const unsigned digit = static_cast<unsigned>(c - '0');
        if (digit > max || value > (max - digit) / 10) {
            fits = false;
            break;
        }
        value = value * 10 + digit;
    }
    if (fits) return value;
    why = "\"" + text + "\" is not a whole number from 0 to " + std::to_string(max);
    return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> hexPairs(const std::string& text, std::string& why) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int high = hexDigit(text[i]);
        const int low = i + 1 < text.size() ? hexDigit(text[i + 1]) : -1;
        if (high < 0 || low < 0) {
            why = "\"" + text + "\" is not a sequence of hex digit pairs";
            return std::nullopt;
        }
        bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
    }
    return bytes;
}

std::optional<bool> yesOrNo(const std::string& text, std::string& why) {
    if (text == "yes" || text == "true") return true;
    if (text == "no" || text == "false") return false;
    why = "expected yes or no, got \"" + text + "\"";
    return std::nullopt;
}

std::optional<int> mouseButtons(const std::string& text, std::string& why) {
    static const std::map<std::string, int> names = {
        {"left", Qt::LeftButton}, {"right", Qt::RightButton}, {"middle", Qt::MiddleButton}};
    int buttons = 0;
    for (std::size_t start = 0;;) {
        const std::size_t plus = text.find('+', start);
        const std::string part = text.substr(start, plus == std::string::npos ? std::string::npos : plus - start);
        const auto found = names.find(part);
        if (found == names.end()) {
            why = "unknown mouse button \"" + part + "\" in \"" + text + "\"";
            return std::nullopt;
        }
        buttons |= found->second;
        if (plus == std::string::npos) return buttons;
        start = plus + 1;
    }
}

}  // namespace velmor::scenario
