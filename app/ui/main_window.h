// The main window: widgets built from the control table, input forwarded to the
// headless calculator, and the state shown again after every action.
#pragma once

#include <QMainWindow>
#include <array>
#include <optional>

#include "app/core/calculator.h"
#include "app/ui/key_rows.h"

class QAction;
class QStyle;

namespace velmor {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(Calculator& calculator, QWidget* parent = nullptr);

    QWidget* widgetFor(Ctl control) const { return widgets_[toInt(control)]; }
    std::optional<Ctl> controlOf(const QObject* object) const;
    QAction* actionFor(Menu item) const { return actions_[static_cast<int>(item)]; }
    Calculator& calculator() { return calc_; }

    // Shows the calculator state: texts, enabled and selected states, menus, size.
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    QWidget* createControl(const ControlSpec& row, QWidget* parent);
    void applySize();
    void keepDisplayClearOfPrompt();
    bool filterKey(Ctl control, QEvent* event);
    bool filterMouse(Ctl control, QEvent* event);
    bool filterWhatsThis(Ctl control, QEvent* event);

    Calculator& calc_;
    std::array<QWidget*, kControlCount> widgets_{};
    std::array<QAction*, kMenuCount> actions_{};
    WindowSize shownSize_{0, 0, true};
    KeyRows keyRows_;
    QStyle* optionStyle_ = nullptr;
};

}  // namespace velmor
