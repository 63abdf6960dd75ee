// Everything a key action does outside the calculator goes through this one
// interface: the Qt layer implements it for the desktop, tests record it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/controls.h"
#include "engine/phrase.h"

namespace velmor {

enum class MsgIcon { None, Information };

// A value read from the registry: the status (0 = success), its type code and
// the bytes the read delivered, with the length it reported.
struct RegValue {
    long status = 0;
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;  // the whole buffer handed to the read
    std::uint32_t length = 0;        // the length the read reported
};

// The registry's type codes of the values the calculator reads or stands in for.
inline constexpr std::uint32_t kRegString = 1;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegNumber = 4;

class Platform {
public:
    virtual ~Platform() = default;

    // A message box with one OK button, captioned with the application title;
    // returns when it is closed.
    virtual void messageBox(const std::string& text, MsgIcon icon) = 0;

    // Clipboard: false / nothing when the clipboard cannot be used. A clipboard
    // without text gives the empty text.
    virtual bool setClipboardText(const std::string& text) = 0;
    virtual std::optional<std::string> clipboardText() = 0;

    // Focus and "What is this?" help.
    virtual void setFocus(Ctl control) = 0;
    virtual void popupWhatsThisMenu() = 0;           // returns when the menu closes
    virtual void queueHelpKey() = 0;                 // posts an F1 press, handled later
    virtual void showPopupTopic(int topic, Ctl control) = 0;
    virtual void openHelpViewer(const std::string& path, int topic) = 0;
    virtual std::string programFolder() = 0;
    // The platform's context-help mode: the next click on a control asks for its
    // pop-up topic instead of pressing it.
    virtual void enterWhatsThisMode() {}

    // About dialog.
    virtual void showAboutDialog() = 0;
    virtual void closeAboutDialog() = 0;

    // Registry, files and programs, for the system-information launch.
    virtual std::optional<std::uintptr_t> regOpenKey(std::uint32_t root, const std::string& path,
                                                     std::uint32_t access) = 0;
    virtual RegValue regQueryValue(std::uintptr_t key, const std::string& name,
                                   std::uint32_t bufferSize) = 0;
    virtual void regCloseKey(std::uintptr_t key) = 0;
    virtual bool fileExists(const std::string& path) = 0;
    virtual bool startProgram(const std::string& path) = 0;

    // The user's language: a phrase as the catalogue of that language gives it
    // (English, the source, where none does), and the catalogue's language
    // code ("de", "fr"; empty for English), which chooses the help file too.
    virtual std::string translate(Phrase phrase) { return phrase.source; }
    virtual std::string language() { return {}; }
};

}  // namespace velmor
