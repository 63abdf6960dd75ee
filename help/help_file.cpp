#include "help/help_file.h"

#include <charconv>
#include <sstream>

#include "help/text_file.h"

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

}  // namespace

HelpFile HelpFile::parse(std::string_view text, std::vector<std::string>* problems) {
    HelpFile file;
    HelpTopic* current = nullptr;
    bool skipping = false;  // the body of a rejected header
    const auto report = [&](int lineNo, const std::string& what) {
        if (problems) problems->push_back("line " + std::to_string(lineNo) + ": " + what);
    };
    std::istringstream in{std::string(text)};
    std::string line;
    for (int lineNo = 1; std::getline(in, line); ++lineNo) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.starts_with('#')) continue;
        if (line.starts_with('@')) {
            std::string why;
            const auto header = parseHeader(line, why);
            Topics& topics = header && header->kind == TopicKind::Contents ? file.contents_ : file.popups_;
            if (header && topics.count(header->number)) why = "topic " + std::to_string(header->number) + " appears twice";
            if (!why.empty()) {
                report(lineNo, why);
                current = nullptr;
                skipping = true;
                continue;
            }
            current = &topics[header->number];
            *current = {header->kind, header->number, header->title, {}};
            skipping = false;
            continue;
        }
        if (current) current->body += line + '\n';
        else if (!skipping && !trim(line).empty()) report(lineNo, "text outside a topic");
    }
    for (Topics* topics : {&file.popups_, &file.contents_})
        for (auto& [number, topic] : *topics) dropBlankEdges(topic.body);
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

std::vector<BodyPiece> HelpFile::pieces(const std::string& body) const {
    std::vector<BodyPiece> out;
    const auto addText = [&out](std::string_view s) {
        if (s.empty()) return;
        if (!out.empty() && out.back().link == 0) out.back().text += s;
        else out.push_back({std::string(s), 0});
    };
    std::string_view rest = body;
    while (!rest.empty()) {
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
        std::string label = bar == std::string_view::npos ? std::string() : std::string(trim(inside.substr(bar + 1)));
        if (label.empty()) {
            const HelpTopic* target = popup(*number);
            label = target ? target->title : "topic " + std::to_string(*number);
        }
        out.push_back({label, *number});
        rest.remove_prefix(close + 2);
    }
    addText(rest);
    return out;
}

}  // namespace velmor
