// A formula as the keys type it, split into tokens before any value is put in,
// so a value can never run into the caption or number beside it ("A1/x" with
// A = 3 stays "3, 1/x" and never reads as "31/x").
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmor {

enum class TokenKind {
    Number, Variable,
    Plus, Minus, Times, Divide, Mod, Power,   // "+", "-", "*", "/", "Mod", "x^y"
    Square, Cube, Reciprocal,                 // postfix "x^2", "x^3", "1/x"
    Open, Close,
};

struct Token {
    TokenKind kind;
    std::string text;  // as typed: the number, the letter or the caption
};

// The tokens of a formula; `valid` is false when a character belongs to no
// token (the tokens are then empty).
struct Tokens {
    std::vector<Token> list;
    bool valid = true;
};

Tokens tokenizeFormula(std::string_view formula);

// The value text of each variable A to F; nullopt while it has no value yet.
using VariableValues = std::array<std::optional<std::string>, 6>;

inline int variableSlot(char letter) { return letter - 'A'; }

// The variables the tokens use, once each, in alphabetical order ("AB" for "B+A").
std::string variablesIn(const Tokens& tokens);

// The formula's text with each variable that has a value replaced by it.
std::string substitutedText(const Tokens& tokens, const VariableValues& values);

// The tokens with every variable replaced by its value as one signed number:
// an empty value drops the variable, a value that is not one number makes the
// result invalid. Variables without a value make it invalid too.
Tokens bindValues(const Tokens& tokens, const VariableValues& values);

}  // namespace velmor
