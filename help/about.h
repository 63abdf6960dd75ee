// The About dialog's behaviour without any window: opening and closing it
// around a disabled main window, and the launch of the system-information tool
// whose location the registry holds.
#pragma once

#include <cstdint>
#include <string>

#include "engine/actions.h"
#include "engine/texts.h"

namespace velmor {

struct Form;
class Platform;

inline constexpr std::uint32_t kLocalMachineRoot = 0x80000002;
// Query, set, create sub-key, enumerate, notify, create link, read control.
inline constexpr std::uint32_t kAboutKeyAccess = 0x2003F;
inline constexpr std::uint32_t kRegistryBufferSize = 1024;

inline constexpr const char* kSysInfoPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char* kSysInfoPathValue = "PATH";
inline constexpr const char* kSysInfoFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr const char* kSysInfoFolderValue = "MSINFO";

// What the dialog shows once it has loaded, in the user's language.
struct AboutTexts {
    std::string caption;
    std::string title;
    std::string version;
    std::string description;
};
AboutTexts aboutTexts(Platform& platform);

void registerAboutActions(ActionTable& table);

// Disables the main window and shows the dialog.
void openAbout(Form& form);
// Unloads the dialog and gives the main window back; a close that arrives
// while the dialog is already closed does nothing.
void closeAbout(Form& form);

// Reads one registry value as text. False (and an empty text) when the key or
// the value cannot be read. Throws a CalcError for a value of length 0.
bool getKeyValue(Platform& platform, std::uint32_t root, const std::string& keyPath,
                 const std::string& valueName, std::string& value);

// Starts the system-information tool, or says that there is none.
void startSysInfo(Platform& platform);

}  // namespace velmor
