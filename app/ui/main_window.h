// The main window: widgets built from the control table, input forwarded to the
// headless calculator, and the state shown again after every action.
#pragma once

#include <QMainWindow>
#include <array>
#include <map>
#include <memory>
#include <optional>

#include "app/core/calculator.h"
#include "app/ui/key_rows.h"

class QAction;
class QButtonGroup;
class QRadioButton;
class QStyle;

namespace velmor {

class CloseRequests;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(Calculator& calculator, QWidget* parent = nullptr);
    ~MainWindow() override;

    QWidget* widgetFor(Ctl control) const { return widgets_[toInt(control)]; }
    std::optional<Ctl> controlOf(const QObject* object) const;
    QAction* actionFor(Menu item) const { return actions_[static_cast<int>(item)]; }
    Calculator& calculator() { return calc_; }

    // Shows the calculator state: texts, enabled and selected states, menus, size.
    void refresh();
    // True once the window has closed: the program is ending, and windows asked
    // for now (by a menu item or a queued F1 that still fires) are not opened.
    bool hasClosed() const { return closed_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void addMenuBarKey();
    QWidget* createControl(const ControlRow& row, QWidget* parent);
    void applySize();
    void keepFocusInView();
    void keepDisplayClearOfPrompt();
    bool filterKey(Ctl control, QEvent* event);
    bool filterMouse(Ctl control, QEvent* event);
    bool filterWhatsThis(Ctl control, QEvent* event);
    void groupOption(Ctl option, QRadioButton* radio);
    void optionToggledOn(Ctl option);
    void optionClicked(Ctl option);
    void forwardClick(Ctl control);

    Calculator& calc_;
    std::array<QWidget*, kControlCount> widgets_{};
    std::array<QAction*, kMenuCount> actions_{};
    // How each control takes the focus while the view shows it.
    std::array<Qt::FocusPolicy, kControlCount> focusPolicies_{};
    WindowSize shownSize_{0, 0, true};
    bool closed_ = false;
    // One exclusive group per frame of option buttons.
    std::map<Ctl, QButtonGroup*> optionGroups_;
    // The option a toggle selected since the last press, so the click that
    // follows the toggle is not forwarded a second time.
    std::optional<Ctl> toggledSincePress_;
    // Set while refresh() shows the calculator's selection: those toggles are
    // the window following the calculator, not input.
    bool showingSelection_ = false;
    // Whether the angle-unit buttons are named as word sizes.
    bool unitsAreWordSizes_ = false;
    KeyRows keyRows_;
    QStyle* optionStyle_ = nullptr;
    // The window manager's close request, honoured while a modal box blocks the window.
    std::unique_ptr<CloseRequests> closeRequests_;
};

}  // namespace velmor
