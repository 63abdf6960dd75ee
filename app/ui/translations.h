// The catalogues of the user's language: the calculator's own and Qt's (the
// standard dialogs' buttons), installed on the application at start.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "engine/phrase.h"

namespace velmor {

// Loads the catalogues of the first of the user's languages that has one
// (QLocale::system().uiLanguages(), which reads LANGUAGE, LC_ALL, LC_MESSAGES
// and LANG) and installs them on the application. Returns the language loaded
// ("de"), or an empty text when English, the source language, stays.
QString installTranslations();

// A phrase of the core as the installed catalogues give it.
std::string translatedByQt(Phrase phrase);
// A text of the control or menu table (a literal, marked for the catalogues
// with QT_TRANSLATE_NOOP in `context`) as the catalogues give it.
QString translatedText(const char* context, std::string_view text);

}  // namespace velmor
