// The calculator's help file: a plain text file of numbered topics (format in
// docs/HELPFILE.md and at the top of calculator.hlp). No Qt here, so the pop-up
// help, the viewer and the tests all read it the same way.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmor {

// Pop-up topics serve "What is this?" (one per help number of a control);
// contents topics are the pages of the help viewer. Both are numbered from 1.
enum class TopicKind { Contents, Popup };

struct HelpTopic {
    TopicKind kind = TopicKind::Popup;
    int number = 0;
    std::string title;
    std::string body;  // lines as written, trailing blank lines removed
};

// A piece of a topic body: plain text, or a link to pop-up topic `link` shown as `text`.
struct BodyPiece {
    std::string text;
    int link = 0;  // 0: plain text

    bool operator==(const BodyPiece&) const = default;
};

class HelpFile {
public:
    // Reads topics from text; every line that does not fit the format is listed in
    // `problems` ("line N: ...") and skipped, so one bad line never hides the rest.
    static HelpFile parse(std::string_view text, std::vector<std::string>* problems = nullptr);
    // Far more than any help file needs; anything larger is taken for a damaged file.
    static constexpr std::size_t kMaxFileSize = 16 * 1024 * 1024;

    // Loads a regular text file of at most kMaxFileSize bytes; nothing, with the
    // reason in `error`, when it is anything else or cannot be read.
    static std::optional<HelpFile> load(const std::string& path, std::string* error = nullptr,
                                        std::vector<std::string>* problems = nullptr);

    const HelpTopic* popup(int number) const { return find(popups_, number); }
    const HelpTopic* contents(int number) const { return find(contents_, number); }
    std::vector<int> popupNumbers() const;
    std::vector<int> contentsNumbers() const;

    // Splits a body into text and [[N]] / [[N|words]] links; [[N]] takes the title
    // of pop-up topic N (cut as a pop-up cuts titles, so a link costs little
    // whatever it names), or "topic N" when the file has no such topic.
    // Stops once the pieces hold `budget` bytes of text (a link's words may pass
    // it); `cut` then tells that some of the body was left out.
    std::vector<BodyPiece> pieces(std::string_view body, std::size_t budget = std::string_view::npos,
                                  bool* cut = nullptr) const;

private:
    using Topics = std::map<int, HelpTopic>;
    static const HelpTopic* find(const Topics& topics, int number);

    Topics popups_;
    Topics contents_;
};

}  // namespace velmor
