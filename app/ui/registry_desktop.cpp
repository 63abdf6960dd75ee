// Outside Windows there is no registry. The program-path location answers
// with the first system-information tool installed on the PATH; the folder
// location does not exist, so the launch keeps its order and its message.
#ifndef _WIN32
#include <QStandardPaths>

#include "app/ui/registry.h"
#include "help/about.h"

namespace velmor::registry {
namespace {

constexpr std::uintptr_t kProgramPathKey = 1;
constexpr long kNotFound = 2;       // the registry's "file not found"
constexpr long kMoreData = 234;     // the value does not fit the buffer

const char* const kSystemInfoTools[] = {
    "hardinfo", "hardinfo2", "kinfocenter", "gnome-system-monitor", "mate-system-monitor", "lshw-gtk",
};

std::string installedSystemInfoTool() {
    for (const char* name : kSystemInfoTools) {
        const QString found = QStandardPaths::findExecutable(QString::fromUtf8(name));
        if (!found.isEmpty()) return found.toStdString();
    }
    return {};
}

}  // namespace

std::optional<std::uintptr_t> openKey(std::uint32_t root, const std::string& path, std::uint32_t) {
    if (root != kLocalMachineRoot || path != kSysInfoPathKey) return std::nullopt;
    return kProgramPathKey;
}

RegValue queryValue(std::uintptr_t key, const std::string& name, std::uint32_t bufferSize) {
    RegValue value;
    value.data.assign(bufferSize, 0);
    const std::string tool = key == kProgramPathKey && name == kSysInfoPathValue ? installedSystemInfoTool() : "";
    if (tool.empty()) {
        value.status = kNotFound;
        return value;
    }
    // Stored as a string with its terminating zero, as the registry keeps one.
    value.type = kRegString;
    value.length = static_cast<std::uint32_t>(tool.size() + 1);
    if (value.length > bufferSize) {
        value.status = kMoreData;
        return value;
    }
    std::copy(tool.begin(), tool.end(), value.data.begin());
    return value;
}

void closeKey(std::uintptr_t) {}

}  // namespace velmor::registry
#endif
