#include <QApplication>

#include "app/core/calculator.h"
#include "app/ui/main_window.h"
#include "app/ui/qt_platform.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Calculator"));
    QApplication::setApplicationVersion(QStringLiteral(VELMOR_VERSION));
    // Task bars match the window to the installed desktop entry, and so to its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(VELMOR_APP_ID));
    velmor::QtPlatform platform;
    velmor::Calculator calculator(platform);
    velmor::MainWindow window(calculator);
    platform.attach(&window);
    window.show();
    return QApplication::exec();
}
