#include "help/help_html.h"

#include <algorithm>
#include <string_view>

#include "help/text_fit.h"

namespace velmor {
namespace {

std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else if (c == '&') out += "&amp;";
        else if (c == '"') out += "&quot;";
        else out += c;
    }
    return out;
}

// Text with its links: as links to the pop-up topics or as plain words. At most
// `budget` bytes of words; `cut` is set when some were left out.
std::string inlineHtml(const HelpFile& file, std::string_view text, bool links, std::size_t budget, bool& cut) {
    std::string out;
    bool leftOut = false;
    for (const BodyPiece& piece : file.pieces(text, budget, &leftOut)) {
        if (piece.link != 0 && links)
            out += "<a href=\"" + std::string(kPopupScheme) + ":" + std::to_string(piece.link) + "\">" +
                   escaped(withWordBreaks(piece.text)) + "</a>";
        else
            out += escaped(withWordBreaks(piece.text));
    }
    cut = cut || leftOut;
    return out;
}

// The body with its links written as their words, as a pop-up shows them: at
// most `budget` bytes, so a body of many links to long titles costs no more than
// the pop-up can show.
std::string plainBody(const HelpFile& file, std::string_view body, std::size_t budget) {
    std::string out;
    for (const BodyPiece& piece : file.pieces(body, budget)) out += piece.text;
    return out;
}

// Writes a body as HTML blocks: paragraphs are separated by blank lines; "- "
// starts a list item, "== " a subheading. `inlineText(text, budget, cut)` writes
// the text of one block. Stops when the page reaches `budget` bytes or
// `blockLimit` blocks; `cut` then tells that some of the body was left out.
template <typename InlineText>
std::string bodyHtml(std::string_view body, InlineText inlineText, std::size_t budget, std::size_t blockLimit,
                     bool& cut) {
    std::string out, paragraph;
    bool inList = false;
    std::size_t blocks = 0;
    const auto room = [&] { return budget - std::min(budget, out.size()); };
    const auto flushParagraph = [&] {
        if (!paragraph.empty()) {
            out += "<p>" + inlineText(paragraph, room(), cut) + "</p>";
            ++blocks;
        }
        paragraph.clear();
    };
    const auto closeList = [&] {
        if (inList) out += "</ul>";
        inList = false;
    };
    while (!body.empty() && !cut) {
        if (room() == 0 || blocks >= blockLimit) {
            cut = true;
            break;
        }
        const auto lineEnd = body.find('\n');
        const std::string_view line = body.substr(0, lineEnd);
        body.remove_prefix(lineEnd == std::string_view::npos ? body.size() : lineEnd + 1);
        if (line.starts_with("== ")) {
            flushParagraph();
            closeList();
            out += "<h4>" + inlineText(line.substr(3), room(), cut) + "</h4>";
            ++blocks;
        } else if (line.starts_with("- ")) {
            flushParagraph();
            if (!inList) out += "<ul>";
            inList = true;
            out += "<li>" + inlineText(line.substr(2), room(), cut) + "</li>";
            ++blocks;
        } else if (line.find_first_not_of(" \t") == std::string_view::npos) {
            flushParagraph();
            closeList();
        } else {
            closeList();
            if (!paragraph.empty()) paragraph += ' ';
            paragraph += line;
        }
    }
    flushParagraph();
    closeList();
    return out;
}

std::string messageHtml(const std::string& title, const std::string& text) {
    return "<p><b>" + escaped(title) + "</b></p><p>" + escaped(text) + "</p>";
}

// `why` is the reader's own diagnosis of the file, in English like the format's description.
std::string unavailable(const std::string& path, const std::string& why, Translate words) {
    return messageHtml(words(VELMOR_PHRASE("Help", "Help is not available")),
                       withArguments(words(VELMOR_PHRASE("Help", "The help file \"%1\" is missing or damaged: "
                                                                     "%2. Reinstall Velmor Calculator to restore it.")),
                                     {path, why}));
}

std::string missingTopic(const std::string& path, int topic, Translate words) {
    return messageHtml(words(VELMOR_PHRASE("Help", "Help topic not found")),
                       withArguments(words(VELMOR_PHRASE("Help", "The help file \"%1\" has no topic %2.")),
                                     {path, std::to_string(topic)}));
}

}  // namespace

std::string topicHtml(const HelpFile& file, const HelpTopic& topic, bool links, Translate words) {
    // Only the start of a longer body is read: the page cannot hold more of it.
    const std::string_view source = startWithin(topic.body, kViewerPageBytes);
    const auto inlineText = [&](std::string_view text, std::size_t budget, bool& leftOut) {
        return inlineHtml(file, text, links, budget, leftOut);
    };
    const std::string title = cutToCharacters(topic.title, kViewerTitleCharacters);
    bool cut = false;
    std::string html = "<p><b>" + escaped(withWordBreaks(title)) + "</b></p>" +
                       bodyHtml(source, inlineText, kViewerPageBytes, kViewerPageBlocks, cut);
    if (cut || source.size() < topic.body.size()) html += "<p><i>" + escaped(words(kPageCutNote)) + "</i></p>";
    return html;
}

std::string popupTopicHtml(const HelpFile& file, const HelpTopic& topic) {
    // The body is cut before its links are written out, to as many bytes as the
    // pop-up's characters can take; the fit below then cuts it to the characters
    // and lines shown, adding "…", and cuts the title.
    const std::size_t bytes = kPopupBodyLimits.characters * kLongestCharacterBytes;
    const std::string title = fitForPopup(topic.title, kPopupTitleLimits);
    const std::string body = fitForPopup(plainBody(file, topic.body, bytes), kPopupBodyLimits);
    const auto inlineText = [](std::string_view text, std::size_t, bool&) { return escaped(std::string(text)); };
    bool cut = false;
    return "<p><b>" + escaped(title) + "</b></p>" + bodyHtml(body, inlineText, std::string::npos, std::string::npos, cut);
}

std::string popupHtml(const std::string& path, int topic, Translate words) {
    std::string error;
    const auto file = HelpFile::load(path, &error);
    if (!file) return unavailable(path, error, words);
    const HelpTopic* found = file->popup(topic);
    return found ? popupTopicHtml(*file, *found) : missingTopic(path, topic, words);
}

std::string viewerHtml(const std::string& path, TopicKind kind, int topic, Translate words) {
    std::string error;
    const auto file = HelpFile::load(path, &error);
    if (!file) return unavailable(path, error, words);
    const HelpTopic* found = kind == TopicKind::Contents ? file->contents(topic) : file->popup(topic);
    if (!found) return missingTopic(path, topic, words);
    std::string html = topicHtml(*file, *found, true, words);
    if (kind == TopicKind::Popup)
        html += "<p><a href=\"" + std::string(kContentsScheme) + ":1\">" +
                escaped(words(VELMOR_PHRASE("Help", "Contents"))) + "</a></p>";
    return html;
}

}  // namespace velmor
