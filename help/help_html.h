// The help topics as HTML for the pop-up and the help viewer, with the messages
// shown in their place when the help file or a topic is missing.
#pragma once

#include <cstddef>
#include <string>

#include "engine/phrase.h"
#include "help/help_file.h"

namespace velmor {

// Links in viewer pages: "popup:N" and "contents:N".
inline constexpr const char* kPopupScheme = "popup";
inline constexpr const char* kContentsScheme = "contents";

// A page of the help window holds at most this many bytes of a topic's HTML and
// this many blocks (paragraphs, list items, subheadings), and only this much of
// its text is read: a help file's largest topics would otherwise freeze the
// window while it lays them out (list items cost the most: 6,500 took a second).
// The longest installed topic needs about 4 KB in 20 blocks; the rest of a
// longer one is replaced by a note.
inline constexpr std::size_t kViewerPageBytes = 64 * 1024;
inline constexpr std::size_t kViewerPageBlocks = 1000;
inline constexpr std::size_t kViewerTitleCharacters = 1000;
inline constexpr Phrase kPageCutNote =
    VELMOR_PHRASE("Help", "The rest of this topic is not shown: it is longer than the help window can show.");

// One topic: its title, its paragraphs and lists; with `links`, [[N]] references
// become links to the pop-up topics, otherwise plain words. Cut to kViewerPageBytes.
// The help pages' own texts (a cut page's note, the messages for a missing file
// or topic, the link back to the contents) are in the language `words` gives.
std::string topicHtml(const HelpFile& file, const HelpTopic& topic, bool links, Translate words = untranslated);

// One topic as a pop-up shows it: links as plain words, and title and text cut
// to what fits on a screen (see text_fit.h).
std::string popupTopicHtml(const HelpFile& file, const HelpTopic& topic);

// The pop-up of help number `topic`, read from the file at `path`; a message
// instead when the file cannot be read or lacks the topic.
std::string popupHtml(const std::string& path, int topic, Translate words = untranslated);
// A page of the help viewer; pop-up topics shown there end with a link back to the contents.
std::string viewerHtml(const std::string& path, TopicKind kind, int topic, Translate words = untranslated);

}  // namespace velmor
