#include "app/scenario/script.h"

#include <sstream>

namespace velmor::scenario {
namespace {

char unescape(char c) {
    switch (c) {
        case 'n': return '\n';
        case 'r': return '\r';
        case 't': return '\t';
        default: return c;
    }
}

bool tokenize(const std::string& line, std::vector<Token>& out) {
    size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') { ++i; continue; }
        if (c == '#') break;
        Token token;
        if (c == '"') {
            token.quoted = true;
            bool closed = false;
            for (++i; i < line.size(); ++i) {
                if (line[i] == '\\' && i + 1 < line.size()) { token.text += unescape(line[++i]); continue; }
                if (line[i] == '"') { closed = true; ++i; break; }
                token.text += line[i];
            }
            if (!closed) return false;
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') token.text += line[i++];
        }
        out.push_back(std::move(token));
    }
    return true;
}

}  // namespace

std::vector<Line> parseScript(const std::string& source, std::vector<std::string>& errors) {
    std::vector<Line> lines;
    std::istringstream in(source);
    std::string text;
    int number = 0;
    while (std::getline(in, text)) {
        ++number;
        Line line{number, {}};
        if (!tokenize(text, line.tokens)) {
            errors.push_back(std::to_string(number) + ": unterminated string");
            continue;
        }
        if (!line.tokens.empty()) lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace velmor::scenario
