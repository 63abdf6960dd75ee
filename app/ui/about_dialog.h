// The About dialog frmAbout: program icon, title, version, description and a
// disclaimer, with "OK" and "System Info...". It lives only while it is open;
// every way of closing it goes through the calculator's close action.
#pragma once

#include <QDialog>

namespace velmor {

class MainWindow;

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(MainWindow& window);

    void reject() override;  // Escape

protected:
    void closeEvent(QCloseEvent* event) override;  // close box, Alt+F4, system menu

private:
    void buildControls();
    void loadTexts();
    void closeDialog();
    void startSystemInfo();

    MainWindow& window_;
    bool closing_ = false;
};

}  // namespace velmor
