// The platform as the scenario runner sees it: message boxes answered at once
// and recorded, help recorded, a clipboard, registry and file system of its own.
#pragma once

#include <map>
#include <set>
#include <vector>

#include "app/ui/qt_platform.h"
#include "app/core/memory_registry.h"

namespace velmor::scenario {

struct Message {
    std::string text;
    MsgIcon icon;
    std::set<std::string> selectedOptions;  // the option buttons shown selected while it was up
};

struct HelpEvent {
    bool viewer;  // true: the help viewer was opened; false: a pop-up topic
    int topic;
};

class ScenarioPlatform : public QtPlatform, public MemoryRegistry {
public:
    void showMessageBox(const std::string& text, MsgIcon icon) override;
    bool setClipboardText(const std::string& text) override;
    std::optional<std::string> clipboardText() override;
    void popupWhatsThisMenu() override { ++popupMenus; }
    void showPopupTopic(int topic, Ctl) override { help.push_back({false, topic}); }
    void openHelpViewer(const std::string& path, int topic) override;
    std::optional<std::uintptr_t> regOpenKey(std::uint32_t, const std::string& path, std::uint32_t) override {
        return openKey(path);
    }
    RegValue regQueryValue(std::uintptr_t key, const std::string& name, std::uint32_t bufferSize) override {
        return queryValue(key, name, bufferSize);
    }
    void regCloseKey(std::uintptr_t) override { closeKey(); }
    bool fileExists(const std::string& path) override { return files.count(path) != 0; }
    bool startProgram(const std::string& path) override;

    std::vector<Message> messages;
    size_t messagesChecked = 0;
    std::vector<HelpEvent> help;
    size_t helpChecked = 0;
    int popupMenus = 0;

    std::optional<std::string> clipboard = std::string();  // nothing: the clipboard cannot be opened
    std::set<std::string> files;
    std::vector<std::string> started;
};

}  // namespace velmor::scenario
