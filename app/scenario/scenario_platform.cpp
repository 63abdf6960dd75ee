#include "app/scenario/scenario_platform.h"

#include <QRadioButton>
#include <algorithm>
#include <cstring>

#include "app/ui/main_window.h"

namespace velmor::scenario {

// The box is answered at once; what the window showed meanwhile is kept with it.
void ScenarioPlatform::showMessageBox(const std::string& text, MsgIcon icon) {
    Message message{text, icon, {}};
    for (const ControlRow& s : controlTable()) {
        const auto* option = window() ? qobject_cast<QRadioButton*>(window()->widgetFor(s.id)) : nullptr;
        if (option && option->isChecked()) message.selectedOptions.insert(qualifiedName(s.id));
    }
    messages.push_back(std::move(message));
}

// The help viewer opens for real, so the scenarios see its window.
void ScenarioPlatform::openHelpViewer(const std::string& path, int topic) {
    help.push_back({true, topic});
    QtPlatform::openHelpViewer(path, topic);
}

bool ScenarioPlatform::setClipboardText(const std::string& text) {
    if (!clipboard) return false;
    clipboard = text;
    return true;
}

std::optional<std::string> ScenarioPlatform::clipboardText() { return clipboard; }

std::optional<std::uintptr_t> ScenarioPlatform::regOpenKey(std::uint32_t, const std::string& path,
                                                           std::uint32_t) {
    if (registry.count(path) == 0) return std::nullopt;
    openKeys.push_back(path);
    return openKeys.size();  // handle = position + 1
}

RegValue ScenarioPlatform::regQueryValue(std::uintptr_t key, const std::string& name, std::uint32_t bufferSize) {
    RegValue result;
    result.data.assign(bufferSize, 0);
    if (key == 0 || key > openKeys.size()) { result.status = 6; return result; }
    const auto& values = registry[openKeys[key - 1]];
    const auto found = values.find(name);
    if (found == values.end()) { result.status = 2; return result; }
    const FakeRegistryValue& value = found->second;
    result.type = value.type;
    result.length = static_cast<std::uint32_t>(value.bytes.size());
    if (value.bytes.size() > bufferSize) { result.status = 234; return result; }  // more data than fits
    std::copy(value.bytes.begin(), value.bytes.end(), result.data.begin());
    return result;
}

// Only a file of the fake file system is a program that can start.
bool ScenarioPlatform::startProgram(const std::string& path) {
    if (files.count(path) == 0) return false;
    started.push_back(path);
    return true;
}

}  // namespace velmor::scenario
