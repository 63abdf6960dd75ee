#include "qt_window.h"

namespace velmor::testing {

QApplication& qtApp() {
    static int argc = 1;
    static char name[] = "unit_ui";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

}  // namespace velmor::testing
