// A text the user reads or hears, written in English, with the context a
// translator sees it in. The platform looks each one up in the catalogue of
// the user's language when it is shown (Platform::translate).
//
// Qt's lupdate collects the texts from the source by the names of these macros:
// QT_TRANSLATE_NOOP marks a plain string (a caption in a table), VELMOR_PHRASE
// makes a Phrase (lupdate is told to read it as QT_TRANSLATE_NOOP). The core
// does not use Qt, so it defines the marker as Qt does: the text itself.
#pragma once

#include <initializer_list>
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

// Gives a phrase in the user's language, for code that shows text without a
// platform at hand (the help pages); `untranslated` keeps the English.
using Translate = std::string (*)(Phrase);
inline std::string untranslated(Phrase phrase) { return phrase.source; }

// `text` with "%1", "%2" ... replaced by the values in order, as Qt's arguments
// are written in the catalogues, so a translator can move them within the sentence.
inline std::string withArguments(std::string text, std::initializer_list<std::string_view> values) {
    char marker[] = "%1";
    for (std::string_view value : values) {
        if (const auto at = text.find(marker); at != std::string::npos) text.replace(at, 2, value);
        ++marker[1];
    }
    return text;
}
inline std::string withArgument(std::string text, std::string_view value) { return withArguments(std::move(text), {value}); }

}  // namespace velmor
