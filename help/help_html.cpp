#include "help/help_html.h"

#include <sstream>

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

std::string inlineHtml(const HelpFile& file, const std::string& text, bool links) {
    std::string out;
    for (const BodyPiece& piece : file.pieces(text)) {
        if (piece.link != 0 && links)
            out += "<a href=\"" + std::string(kPopupScheme) + ":" + std::to_string(piece.link) + "\">" +
                   escaped(withWordBreaks(piece.text)) + "</a>";
        else
            out += escaped(withWordBreaks(piece.text));
    }
    return out;
}

// The body with its links written as their words, as a pop-up shows them.
std::string plainBody(const HelpFile& file, const std::string& body) {
    std::string out;
    for (const BodyPiece& piece : file.pieces(body)) out += piece.text;
    return out;
}

// Paragraphs are separated by blank lines; "- " starts a list item, "== " a subheading.
// `inlineText` writes the text of one paragraph, item or subheading.
template <typename InlineText>
std::string bodyHtml(const std::string& body, InlineText inlineText) {
    std::string out, paragraph;
    bool inList = false;
    const auto flushParagraph = [&] {
        if (!paragraph.empty()) out += "<p>" + inlineText(paragraph) + "</p>";
        paragraph.clear();
    };
    const auto closeList = [&] {
        if (inList) out += "</ul>";
        inList = false;
    };
    std::istringstream in(body);
    std::string line;
    while (std::getline(in, line)) {
        if (line.starts_with("== ")) {
            flushParagraph();
            closeList();
            out += "<h4>" + inlineText(line.substr(3)) + "</h4>";
        } else if (line.starts_with("- ")) {
            flushParagraph();
            if (!inList) out += "<ul>";
            inList = true;
            out += "<li>" + inlineText(line.substr(2)) + "</li>";
        } else if (line.find_first_not_of(" \t") == std::string::npos) {
            flushParagraph();
            closeList();
        } else {
            closeList();
            paragraph += (paragraph.empty() ? "" : " ") + line;
        }
    }
    flushParagraph();
    closeList();
    return out;
}

std::string messageHtml(const std::string& title, const std::string& text) {
    return "<p><b>" + escaped(title) + "</b></p><p>" + escaped(text) + "</p>";
}

std::string unavailable(const std::string& path, const std::string& why) {
    return messageHtml("Help is not available",
                       "The help file \"" + path + "\" is missing or damaged: " + why +
                           ". Reinstall Velmor Calculator to restore it.");
}

std::string missingTopic(const std::string& path, int topic) {
    return messageHtml("Help topic not found",
                       "The help file \"" + path + "\" has no topic " + std::to_string(topic) + ".");
}

}  // namespace

std::string topicHtml(const HelpFile& file, const HelpTopic& topic, bool links) {
    const auto inlineText = [&](const std::string& text) { return inlineHtml(file, text, links); };
    return "<p><b>" + escaped(withWordBreaks(topic.title)) + "</b></p>" + bodyHtml(topic.body, inlineText);
}

std::string popupTopicHtml(const HelpFile& file, const HelpTopic& topic) {
    // Links are resolved before the text is cut, so a long title of a linked
    // topic is cut too.
    const std::string title = fitForPopup(topic.title, kPopupTitleLimits);
    const std::string body = fitForPopup(plainBody(file, topic.body), kPopupBodyLimits);
    return "<p><b>" + escaped(title) + "</b></p>" + bodyHtml(body, escaped);
}

std::string popupHtml(const std::string& path, int topic) {
    std::string error;
    const auto file = HelpFile::load(path, &error);
    if (!file) return unavailable(path, error);
    const HelpTopic* found = file->popup(topic);
    return found ? popupTopicHtml(*file, *found) : missingTopic(path, topic);
}

std::string viewerHtml(const std::string& path, TopicKind kind, int topic) {
    std::string error;
    const auto file = HelpFile::load(path, &error);
    if (!file) return unavailable(path, error);
    const HelpTopic* found = kind == TopicKind::Contents ? file->contents(topic) : file->popup(topic);
    if (!found) return missingTopic(path, topic);
    std::string html = topicHtml(*file, *found, true);
    if (kind == TopicKind::Popup)
        html += "<p><a href=\"" + std::string(kContentsScheme) + ":1\">Contents</a></p>";
    return html;
}

}  // namespace velmor
