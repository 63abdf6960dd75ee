// A platform that records what the calculator asks of it, for headless tests.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/platform.h"

namespace velmor::testing {

class FakePlatform : public Platform {
public:
    struct Box {
        std::string text;
        MsgIcon icon;
    };

    void messageBox(const std::string& text, MsgIcon icon) override { boxes.push_back({text, icon}); }
    bool setClipboardText(const std::string& text) override {
        if (!clipboard) return false;
        clipboard = text;
        return true;
    }
    std::optional<std::string> clipboardText() override { return clipboard; }
    void setFocus(Ctl control) override { focus = control; }
    void popupWhatsThisMenu() override { ++popupMenus; }
    void queueHelpKey() override { ++queuedHelpKeys; }
    void showPopupTopic(int topic, Ctl) override { topics.push_back(topic); }
    void openHelpViewer(const std::string& path, int topic) override { viewer.push_back({path, topic}); }
    std::string programFolder() override { return "/opt/velmor"; }
    void enterWhatsThisMode() override { ++whatsThisModes; }
    void showAboutDialog() override { ++aboutShown; }
    void closeAboutDialog() override { ++aboutClosed; }
    std::optional<std::uintptr_t> regOpenKey(std::uint32_t, const std::string& path, std::uint32_t) override {
        if (registry.count(path) == 0) return std::nullopt;
        openedKeys.push_back(path);
        return openedKeys.size();
    }
    RegValue regQueryValue(std::uintptr_t key, const std::string& name, std::uint32_t bufferSize) override {
        RegValue v;
        v.data.assign(bufferSize, 0);
        const auto& values = registry[openedKeys.at(key - 1)];
        const auto found = values.find(name);
        if (found == values.end()) { v.status = 2; return v; }
        v.type = found->second.first;
        v.length = static_cast<std::uint32_t>(found->second.second.size());
        if (v.length > bufferSize) { v.status = 234; return v; }
        std::copy(found->second.second.begin(), found->second.second.end(), v.data.begin());
        return v;
    }
    void regCloseKey(std::uintptr_t) override { ++closedKeys; }
    bool fileExists(const std::string& path) override { return files.count(path) != 0; }
    bool startProgram(const std::string& path) override {
        if (!startSucceeds) return false;
        started.push_back(path);
        return true;
    }

    std::vector<Box> boxes;
    std::optional<std::string> clipboard = std::string();
    std::optional<Ctl> focus;
    int popupMenus = 0;
    int queuedHelpKeys = 0;
    int whatsThisModes = 0;
    std::vector<int> topics;
    std::vector<std::pair<std::string, int>> viewer;
    int aboutShown = 0;
    int aboutClosed = 0;
    std::map<std::string, std::map<std::string, std::pair<std::uint32_t, std::vector<std::uint8_t>>>> registry;
    std::vector<std::string> openedKeys;
    int closedKeys = 0;
    std::set<std::string> files;
    std::vector<std::string> started;
    bool startSucceeds = true;  // false: every program start fails
};

}  // namespace velmor::testing
