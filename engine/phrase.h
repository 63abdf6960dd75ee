// A text the user reads or hears, written in English, with the context a
// translator sees it in. The platform looks each one up in the catalogue of
// the user's language when it is shown (Platform::translate).
//
// Qt's lupdate collects the texts from the source by the names of these macros:
// QT_TRANSLATE_NOOP marks a plain string (a caption in a table), VELMOR_PHRASE
// makes a Phrase (lupdate is told to read it as QT_TRANSLATE_NOOP). The core
// does not use Qt, so it defines the marker as Qt does: the text itself.
#pragma once

#include <string>
#include <string_view>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

#define VELMOR_PHRASE(context, text) ::velmor::Phrase{context, text}

namespace velmor {

struct Phrase {
    const char* context;
    const char* source;  // English, exactly as the calculator shows it untranslated
};

// `text` with "%1" replaced by `value`, as Qt's arguments are written in the
// catalogues, so a translator can move the number within the sentence.
inline std::string withArgument(std::string text, std::string_view value) {
    if (const auto at = text.find("%1"); at != std::string::npos) text.replace(at, 2, value);
    return text;
}

}  // namespace velmor
