// The About dialog and the system-information launch on the desktop.
#include <QFileInfo>
#include <QProcess>

#include "app/ui/main_window.h"
#include "app/ui/qt_platform.h"

namespace velmor {

void QtPlatform::showAboutDialog() {}
void QtPlatform::closeAboutDialog() {}

std::optional<std::uintptr_t> QtPlatform::regOpenKey(std::uint32_t, const std::string&, std::uint32_t) {
    return std::nullopt;
}

RegValue QtPlatform::regQueryValue(std::uintptr_t, const std::string&, std::uint32_t) {
    RegValue v;
    v.status = 2;
    return v;
}

void QtPlatform::regCloseKey(std::uintptr_t) {}

bool QtPlatform::fileExists(const std::string& path) { return QFileInfo::exists(QString::fromStdString(path)); }

bool QtPlatform::startProgram(const std::string& path) {
    return QProcess::startDetached(QString::fromStdString(path), {});
}

}  // namespace velmor
