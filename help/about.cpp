#include "help/about.h"

#include "engine/form.h"
#include "engine/platform.h"
#include "help/help_state.h"
#include "numeric/errors.h"

namespace velmor {
namespace {

// The project version the build passes in.
constexpr const char* kVersion = VELMOR_VERSION;
constexpr Phrase kAboutCaption = VELMOR_PHRASE("About", "About %1");
constexpr Phrase kVersionLine = VELMOR_PHRASE("About", "Version %1");
constexpr Phrase kFileDescription =
    VELMOR_PHRASE("About", "It is a easy to calculator, With  more Flexible Calculating options.");

// Each byte in hexadecimal without a leading zero, the last byte first.
std::string numberValueText(const std::vector<std::uint8_t>& bytes, std::size_t kept) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text = "&h";
    for (std::size_t i = kept; i-- > 0;) {
        const std::uint8_t b = bytes[i];
        if (b >= 16) text += kDigits[b >> 4];
        text += kDigits[b & 15];
    }
    return text;
}

// The bytes worth keeping: a reported length whose last byte is the
// terminating zero loses that byte. A length of 0 cannot be taken apart.
std::size_t keptLength(const RegValue& read) {
    if (read.length == 0 || read.length > read.data.size()) fail(ErrCode::InvalidCall);
    return read.data[read.length - 1] == 0 ? read.length - 1 : read.length;
}

// The program path from the first location, else MSINFO32.EXE in the folder
// the second names; empty when neither gives one.
std::string sysInfoPath(Platform& platform) {
    std::string value;
    if (getKeyValue(platform, kLocalMachineRoot, kSysInfoPathKey, kSysInfoPathValue, value)) return value;
    if (!getKeyValue(platform, kLocalMachineRoot, kSysInfoFolderKey, kSysInfoFolderValue, value)) return {};
    const std::string candidate = value + "\\MSINFO32.EXE";
    return platform.fileExists(candidate) ? candidate : std::string();
}

}  // namespace

AboutTexts aboutTexts(Platform& platform) {
    const std::string title = platform.translate(kAppTitle);
    return {withArgument(platform.translate(kAboutCaption), title), title,
            withArgument(platform.translate(kVersionLine), kVersion), platform.translate(kFileDescription)};
}

void registerAboutActions(ActionTable& table) { table.onMenu(Menu::AboutCalculator, openAbout); }

void openAbout(Form& form) {
    helpState(form).mainEnabled = false;
    if (helpState(form).aboutOpen) return;  // already shown: nothing more to create
    helpState(form).aboutOpen = true;
    form.platform.showAboutDialog();
}

void closeAbout(Form& form) {
    if (!helpState(form).aboutOpen) return;
    helpState(form).aboutOpen = false;
    helpState(form).mainEnabled = true;
    form.platform.closeAboutDialog();
}

bool getKeyValue(Platform& platform, std::uint32_t root, const std::string& keyPath,
                 const std::string& valueName, std::string& value) {
    const auto key = platform.regOpenKey(root, keyPath, kAboutKeyAccess);
    if (!key) {
        value.clear();
        return false;
    }
    const RegValue read = platform.regQueryValue(*key, valueName, kRegistryBufferSize);
    if (read.status != 0) {
        value.clear();
        platform.regCloseKey(*key);
        return false;
    }
    std::size_t kept = 0;
    try {
        kept = keptLength(read);
    } catch (const CalcError&) {
        platform.regCloseKey(*key);  // the failure goes on to the caller; the key does not stay open
        throw;
    }
    if (read.type == kRegString) value.assign(read.data.begin(), read.data.begin() + kept);
    else if (read.type == kRegNumber) value = numberValueText(read.data, kept);
    platform.regCloseKey(*key);
    return true;
}

void startSysInfo(Platform& platform) {
    try {
        const std::string path = sysInfoPath(platform);
        if (!path.empty() && platform.startProgram(path)) return;
    } catch (const CalcError&) {
        // Falls through to the message like every other failure on the way.
    }
    platform.messageBox(platform.translate(kSysInfoUnavailable), MsgIcon::None);
}

}  // namespace velmor
