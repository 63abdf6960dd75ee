#include "help/help_file.h"

#include <charconv>

#include "help/text_file.h"
#include "help/text_fit.h"

namespace velmor {
namespace {

constexpr int kMaxTopicNumber = 9999;

std::string_view trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

// A whole number 1..kMaxTopicNumber made of digits only.
std::optional<int> topicNumber(std::string_view s) {
    int value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size() || s.empty() || s[0] == '-' || s[0] == '+')
        return std::nullopt;
    if (value < 1 || value > kMaxTopicNumber) return std::nullopt;
    return value;
}

struct Header {
    TopicKind kind;
    int number;
    std::string title;
};

// "@popup 7 Digit keys": nothing, with the reason, when the line is no valid header.
std::optional<Header> parseHeader(std::string_view line, std::string& why) {
    std::string_view rest = line.substr(1);
    const auto wordEnd = rest.find_first_of(" \t");
    const std::string_view word = rest.substr(0, wordEnd);
    Header h{TopicKind::Popup, 0, {}};
    if (word == "popup") h.kind = TopicKind::Popup;
    else if (word == "contents") h.kind = TopicKind::Contents;
    else {
        why = "unknown topic kind \"@" + std::string(word) + "\"";
        return std::nullopt;
    }
    rest = wordEnd == std::string_view::npos ? std::string_view{} : trim(rest.substr(wordEnd));
    const auto numberEnd = rest.find_first_of(" \t");
    const auto number = topicNumber(rest.substr(0, numberEnd));
    if (!number) {
        why = "topic number missing or outside 1 to " + std::to_string(kMaxTopicNumber);
        return std::nullopt;
    }
    h.number = *number;
    h.title = numberEnd == std::string_view::npos ? std::string() : std::string(trim(rest.substr(numberEnd)));
    if (h.title.empty()) {
        why = "topic without a title";
        return std::nullopt;
    }
    return h;
}

void dropBlankEdges(std::string& body) {
    while (!body.empty() && (body.back() == '\n' || body.back() == ' ' || body.back() == '\t'))
        body.pop_back();
    const auto first = body.find_first_not_of("\n");
    body.erase(0, first == std::string::npos ? body.size() : first);
}

// Calls visit(lineNo, line) for every line of the text, without its line end.
template <typename Visit>
void forEachLine(std::string_view text, Visit visit) {
    for (int lineNo = 1; !text.empty(); ++lineNo) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        visit(lineNo, line);
    }
}

// A topic's body: the lines of its part of the file but the comments, each
// ending in a line feed. Sized once, so a large body is not copied as it grows.
std::string bodyOf(std::string_view part) {
    std::string body;
    body.reserve(part.size());
    forEachLine(part, [&](int, std::string_view line) {
        if (line.starts_with('#')) return;
        body += line;
        body += '\n';
    });
    dropBlankEdges(body);
    return body;
}

}  // namespace

HelpFile HelpFile::parse(std::string_view text, std::vector<std::string>* problems) {
    HelpFile file;
    const auto report = [&](int lineNo, const std::string& what) {
        if (problems) problems->push_back("line " + std::to_string(lineNo) + ": " + what);
    };
    // The header lines are read first; each accepted topic's part of the text
    // (up to the next header line) becomes its body afterwards.
    HelpTopic* current = nullptr;
    const char* partStart = nullptr;
    std::vector<std::pair<HelpTopic*, std::string_view>> parts;
    const auto endPart = [&](const char* at) {
        if (current) parts.emplace_back(current, std::string_view(partStart, static_cast<std::size_t>(at - partStart)));
    };
    bool skipping = false;  // the body of a rejected header
    forEachLine(text, [&](int lineNo, std::string_view line) {
        if (line.starts_with('#')) return;
        if (!line.starts_with('@')) {
            if (!current && !skipping && !trim(line).empty()) report(lineNo, "text outside a topic");
            return;
        }
        endPart(line.data());
        current = nullptr;
        std::string why;
        const auto header = parseHeader(line, why);
        Topics& topics = header && header->kind == TopicKind::Contents ? file.contents_ : file.popups_;
        if (header && topics.count(header->number)) why = "topic " + std::to_string(header->number) + " appears twice";
        skipping = !why.empty();
        if (skipping) return report(lineNo, why);
        current = &topics[header->number];
        *current = {header->kind, header->number, header->title, {}};
        const auto lineEnd = text.find('\n', static_cast<std::size_t>(line.data() - text.data()));
        partStart = lineEnd == std::string_view::npos ? text.data() + text.size() : text.data() + lineEnd + 1;
    });
    endPart(text.data() + text.size());
    for (auto& [topic, part] : parts) topic->body = bodyOf(part);
    return file;
}

std::optional<HelpFile> HelpFile::load(const std::string& path, std::string* error,
                                       std::vector<std::string>* problems) {
    std::string why;
    const auto text = readTextFile(path, kMaxFileSize, why);
    if (!text) {
        if (error) *error = why;
        return std::nullopt;
    }
    return parse(*text, problems);
}

const HelpTopic* HelpFile::find(const Topics& topics, int number) {
    const auto found = topics.find(number);
    return found == topics.end() ? nullptr : &found->second;
}

std::vector<int> HelpFile::popupNumbers() const {
    std::vector<int> numbers;
    for (const auto& [number, topic] : popups_) numbers.push_back(number);
    return numbers;
}

std::vector<int> HelpFile::contentsNumbers() const {
    std::vector<int> numbers;
    for (const auto& [number, topic] : contents_) numbers.push_back(number);
    return numbers;
}

std::vector<BodyPiece> HelpFile::pieces(std::string_view body, std::size_t budget, bool* cut) const {
    std::vector<BodyPiece> out;
    std::size_t size = 0;  // bytes of text in `out`
    bool leftOut = false;
    const auto addText = [&](std::string_view s) {
        const std::string_view taken = s.substr(0, budget - std::min(size, budget));
        leftOut = leftOut || taken.size() < s.size();
        if (taken.empty()) return;
        size += taken.size();
        if (!out.empty() && out.back().link == 0) out.back().text += taken;
        else out.push_back({std::string(taken), 0});
    };
    std::string_view rest = body;
    while (!rest.empty() && !leftOut) {
        const auto open = rest.find("[[");
        const auto close = open == std::string_view::npos ? open : rest.find("]]", open + 2);
        if (close == std::string_view::npos) break;
        const std::string_view inside = rest.substr(open + 2, close - open - 2);
        const auto bar = inside.find('|');
        const auto number = topicNumber(inside.substr(0, bar));
        if (!number) {  // not a link: keep the brackets as text
            addText(rest.substr(0, close + 2));
            rest.remove_prefix(close + 2);
            continue;
        }
        addText(rest.substr(0, open));
        if (size >= budget) {
            leftOut = true;
            break;
        }
        std::string label = bar == std::string_view::npos ? std::string() : std::string(trim(inside.substr(bar + 1)));
        if (label.empty()) {
            const HelpTopic* target = popup(*number);
            label = target ? cutToCharacters(target->title, kPopupTitleLimits.characters)
                           : "topic " + std::to_string(*number);
        }
        size += label.size();
        out.push_back({std::move(label), *number});
        rest.remove_prefix(close + 2);
    }
    if (!leftOut) addText(rest);
    if (cut) *cut = leftOut;
    return out;
}

}  // namespace velmor
