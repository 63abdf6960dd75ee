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

// Only a file of the fake file system is a program that can start.
bool ScenarioPlatform::startProgram(const std::string& path) {
    if (files.count(path) == 0) return false;
    started.push_back(path);
    return true;
}

}  // namespace velmor::scenario
