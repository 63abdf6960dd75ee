// The About dialog and the system-information launch on the desktop.
#include <QFileInfo>
#include <QProcess>

#include "app/ui/about_dialog.h"
#include "app/ui/main_window.h"
#include "app/ui/qt_platform.h"
#include "app/ui/registry.h"

namespace velmor {

void QtPlatform::showAboutDialog() {
    // A menu item that fires after the main window closed (its release, say) finds
    // a program on its way out: a dialog opened now would keep it running alone.
    if (!window_ || window_->hasClosed()) return;
    if (!about_) about_ = new AboutDialog(*window_);
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void QtPlatform::closeAboutDialog() {
    if (about_) {
        about_->hide();
        about_->deleteLater();  // its own key may still be running this
        about_ = nullptr;
    }
    if (!window_) return;
    window_->refresh();
    window_->raise();
    window_->activateWindow();
}

std::optional<std::uintptr_t> QtPlatform::regOpenKey(std::uint32_t root, const std::string& path,
                                                     std::uint32_t access) {
    return registry::openKey(root, path, access);
}

RegValue QtPlatform::regQueryValue(std::uintptr_t key, const std::string& name, std::uint32_t bufferSize) {
    return registry::queryValue(key, name, bufferSize);
}

void QtPlatform::regCloseKey(std::uintptr_t key) { registry::closeKey(key); }

bool QtPlatform::fileExists(const std::string& path) { return QFileInfo::exists(QString::fromStdString(path)); }

bool QtPlatform::startProgram(const std::string& path) {
    return QProcess::startDetached(QString::fromStdString(path), {});
}

}  // namespace velmor
