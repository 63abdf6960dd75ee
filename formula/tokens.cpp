#include "formula/tokens.h"

#include <algorithm>
#include <utility>

#include "engine/controls.h"

namespace velmor {
namespace {

// The keys that type into a formula, and the token each one's formula text is.
struct KeyToken {
    Ctl key;
    TokenKind kind;
};

constexpr std::array<KeyToken, 11> kKeyTokens = {{
    {Ctl::Reciprocal, TokenKind::Reciprocal}, {Ctl::Square, TokenKind::Square}, {Ctl::Cube, TokenKind::Cube},
    {Ctl::Power, TokenKind::Power}, {Ctl::Mod, TokenKind::Mod}, {Ctl::Plus, TokenKind::Plus},
    {Ctl::Minus, TokenKind::Minus}, {Ctl::Multiply, TokenKind::Times}, {Ctl::Divide, TokenKind::Divide},
    {Ctl::OpenParen, TokenKind::Open}, {Ctl::CloseParen, TokenKind::Close},
}};

struct Caption {
    std::string_view text;
    TokenKind kind;
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isVariable(char c) { return c >= 'A' && c <= 'F'; }

// "1/x" is matched before numbers so that its "1" never joins a number in front of it.
bool startsReciprocal(std::string_view s, size_t at) {
    const std::string_view reciprocal = tableRow(Ctl::Reciprocal).formulaText;
    return s.substr(at, reciprocal.size()) == reciprocal;
}

// Digits from `at`, stopping where a "1/x" caption begins.
size_t skipDigits(std::string_view s, size_t at) {
    while (at < s.size() && isDigit(s[at]) && !startsReciprocal(s, at)) ++at;
    return at;
}

// Length of the number at `at` (digits, point, digits, exponent), 0 when there is none.
// An "E" counts as an exponent only when a digit follows it, possibly after a sign;
// otherwise it is the variable E.
size_t numberLength(std::string_view s, size_t at) {
    size_t end = skipDigits(s, at);
    bool digits = end > at;
    if (end < s.size() && s[end] == '.') {
        const size_t fraction = skipDigits(s, end + 1);
        digits = digits || fraction > end + 1;
        end = fraction;
    }
    if (!digits) return 0;
    if (end < s.size() && s[end] == 'E') {
        size_t exp = end + 1;
        if (exp < s.size() && (s[exp] == '+' || s[exp] == '-')) ++exp;
        const size_t expEnd = skipDigits(s, exp);
        if (expEnd > exp) end = expEnd;
    }
    return end - at;
}

std::optional<Caption> captionAt(std::string_view s, size_t at) {
    for (const KeyToken& k : kKeyTokens) {
        const std::string_view text = tableRow(k.key).formulaText;
        if (s.substr(at, text.size()) == text) return Caption{text, k.kind};
    }
    return std::nullopt;
}

const std::optional<std::string>& valueOf(const VariableValues& values, const Token& token) {
    return values[static_cast<size_t>(variableSlot(token.text[0]))];
}

// A value is one number with an optional sign of its own; blanks around it are ignored.
std::optional<Token> valueAsNumber(std::string_view value) {
    const size_t first = value.find_first_not_of(' ');
    const size_t last = value.find_last_not_of(' ');
    const std::string_view trimmed = value.substr(first, last - first + 1);
    const size_t sign = (trimmed[0] == '+' || trimmed[0] == '-') ? 1 : 0;
    const size_t length = numberLength(trimmed, sign);
    if (length == 0 || sign + length != trimmed.size()) return std::nullopt;
    return Token{TokenKind::Number, std::string(trimmed)};
}

}  // namespace

Tokens tokenizeFormula(std::string_view s) {
    Tokens out;
    size_t at = 0;
    while (at < s.size()) {
        if (s[at] == ' ') { ++at; continue; }
        if (const auto caption = captionAt(s, at)) {
            out.list.push_back({caption->kind, std::string(caption->text)});
            at += caption->text.size();
        } else if (const size_t length = numberLength(s, at)) {
            out.list.push_back({TokenKind::Number, std::string(s.substr(at, length))});
            at += length;
        } else if (isVariable(s[at])) {
            out.list.push_back({TokenKind::Variable, std::string(1, s[at])});
            ++at;
        } else {
            return Tokens{{}, false};
        }
    }
    return out;
}

std::string variablesIn(const Tokens& tokens) {
    std::string letters;
    for (const Token& t : tokens.list)
        if (t.kind == TokenKind::Variable && letters.find(t.text) == std::string::npos) letters += t.text;
    std::sort(letters.begin(), letters.end());
    return letters;
}

std::string substitutedText(const Tokens& tokens, const VariableValues& values) {
    std::string text;
    for (const Token& t : tokens.list) {
        const bool hasValue = t.kind == TokenKind::Variable && valueOf(values, t).has_value();
        text += hasValue ? *valueOf(values, t) : t.text;
    }
    return text;
}

Tokens bindValues(const Tokens& tokens, const VariableValues& values) {
    Tokens bound;
    bound.valid = tokens.valid;
    for (const Token& t : tokens.list) {
        if (t.kind != TokenKind::Variable) {
            bound.list.push_back(t);
            continue;
        }
        const auto& value = valueOf(values, t);
        if (!value) return Tokens{{}, false};
        if (value->find_first_not_of(' ') == std::string::npos) continue;  // an empty value drops the variable
        const auto number = valueAsNumber(*value);
        if (!number) return Tokens{{}, false};
        bound.list.push_back(*number);
    }
    return bound;
}

}  // namespace velmor
