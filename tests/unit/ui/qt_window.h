// The real main window on the offscreen platform, shared by the window tests.
#pragma once

#include <QApplication>
#include <memory>

#include "app/core/calculator.h"
#include "app/ui/main_window.h"
#include "app/ui/qt_platform.h"

namespace velmor::testing {

// One QApplication for the whole test program; created on first use.
QApplication& qtApp();

struct QtWindow {
    // Members are built in order: the application before any widget.
    QApplication& app = qtApp();
    QtPlatform platform;
    Calculator calc{platform};
    MainWindow window{calc};
};

}  // namespace velmor::testing
