// A platform that records what the calculator asks of it, for headless tests.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/platform.h"
#include "app/core/memory_registry.h"

namespace velmor::testing {

// Another language: (context, English) -> its words.
using Catalogue = std::map<std::pair<std::string, std::string>, std::string>;

class FakePlatform : public Platform, public MemoryRegistry {
public:
    FakePlatform() = default;
    // Speaks `language` with the words of `catalogue`; English otherwise.
    FakePlatform(Catalogue words, std::string language)
        : catalogue(std::move(words)), spokenLanguage(std::move(language)) {}

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
        return openKey(path);
    }
    RegValue regQueryValue(std::uintptr_t key, const std::string& name, std::uint32_t bufferSize) override {
        return queryValue(key, name, bufferSize);
    }
    void regCloseKey(std::uintptr_t) override { closeKey(); }
    bool fileExists(const std::string& path) override { return files.count(path) != 0; }
    std::string translate(Phrase phrase) override {
        const auto found = catalogue.find({phrase.context, phrase.source});
        return found == catalogue.end() ? phrase.source : found->second;
    }
    std::string language() override { return spokenLanguage; }
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
    std::set<std::string> files;
    std::vector<std::string> started;
    bool startSucceeds = true;  // false: every program start fails
    Catalogue catalogue;  // empty: English
    std::string spokenLanguage;
};

}  // namespace velmor::testing
