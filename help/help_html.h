// The help topics as HTML for the pop-up and the help viewer, with the messages
// shown in their place when the help file or a topic is missing.
#pragma once

#include <string>

#include "help/help_file.h"

namespace velmor {

// Links in viewer pages: "popup:N" and "contents:N".
inline constexpr const char* kPopupScheme = "popup";
inline constexpr const char* kContentsScheme = "contents";

// One topic: its title, its paragraphs and lists; with `links`, [[N]] references
// become links to the pop-up topics, otherwise plain words.
std::string topicHtml(const HelpFile& file, const HelpTopic& topic, bool links);

// One topic as a pop-up shows it: links as plain words, and title and text cut
// to what fits on a screen (see text_fit.h).
std::string popupTopicHtml(const HelpFile& file, const HelpTopic& topic);

// The pop-up of help number `topic`, read from the file at `path`; a message
// instead when the file cannot be read or lacks the topic.
std::string popupHtml(const std::string& path, int topic);
// A page of the help viewer; pop-up topics shown there end with a link back to the contents.
std::string viewerHtml(const std::string& path, TopicKind kind, int topic);

}  // namespace velmor
