// The desktop side of the calculator's platform interface.
#pragma once

#include <QPointer>
#include <memory>

#include "engine/platform.h"

class QWidget;

namespace velmor {

class MainWindow;
class AboutDialog;
class HelpViewer;

class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;
    void attach(MainWindow* window) { window_ = window; }
    MainWindow* window() const { return window_; }

    // The window shows the state as it stands before the box's nested wait
    // (a failed base change has put its old option back by then).
    void messageBox(const std::string& text, MsgIcon icon) final;
    bool setClipboardText(const std::string& text) override;
    std::optional<std::string> clipboardText() override;
    void setFocus(Ctl control) override;
    void popupWhatsThisMenu() override;
    void queueHelpKey() override;
    void showPopupTopic(int topic, Ctl control) override;
    void openHelpViewer(const std::string& path, int topic) override;
    std::string programFolder() override;
    void enterWhatsThisMode() override;
    void showAboutDialog() override;
    void closeAboutDialog() override;
    std::optional<std::uintptr_t> regOpenKey(std::uint32_t root, const std::string& path,
                                             std::uint32_t access) override;
    RegValue regQueryValue(std::uintptr_t key, const std::string& name, std::uint32_t bufferSize) override;
    void regCloseKey(std::uintptr_t key) override;
    bool fileExists(const std::string& path) override;
    bool startProgram(const std::string& path) override;
    std::string translate(Phrase phrase) override;
    std::string language() override { return language_; }
    // The language of the installed catalogue (installTranslations), "" for English.
    void setLanguage(std::string language) { language_ = std::move(language); }

protected:
    virtual void showMessageBox(const std::string& text, MsgIcon icon);

private:
    MainWindow* window_ = nullptr;
    std::string language_;
    QPointer<AboutDialog> about_;  // only while the About dialog is open
    std::unique_ptr<HelpViewer> helpViewer_;  // made on first use
};

}  // namespace velmor
