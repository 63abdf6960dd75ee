// The scenario language: one command a line, words and quoted strings.
#pragma once

#include <string>
#include <vector>

namespace velmor::scenario {

struct Token {
    std::string text;
    bool quoted = false;
};

struct Line {
    int number = 0;
    std::vector<Token> tokens;
};

// Splits a scenario file into its command lines. Strings in double quotes take
// the escapes \" \\ \n \r \t; "#" outside a string starts a comment. A line with
// an unterminated string is reported through `error`.
std::vector<Line> parseScript(const std::string& source, std::vector<std::string>& errors);

}  // namespace velmor::scenario
