#include <QApplication>
#include <optional>

#include "app/command_line.h"
#include "app/start_failure.h"
#include "app/core/calculator.h"
#include "app/ui/main_window.h"
#include "app/ui/qt_platform.h"
#include "app/ui/translations.h"

int main(int argc, char* argv[]) {
    if (const auto answered = velmor::answerOnTerminal(argc, argv)) return *answered;
    std::optional<velmor::StartFailureGuard> startGuard(std::in_place);
    QApplication app(argc, argv);
    startGuard.reset();
    QApplication::setApplicationName(QStringLiteral("Calculator"));
    QApplication::setApplicationVersion(QStringLiteral(VELMOR_VERSION));
    // Task bars match the window to the installed desktop entry, and so to its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(VELMOR_APP_ID));
    if (const auto refused = velmor::refuseUnknownArguments()) return *refused;
    velmor::QtPlatform platform;
    platform.setLanguage(velmor::installTranslations().toStdString());
    velmor::Calculator calculator(platform);
    velmor::MainWindow window(calculator);
    platform.attach(&window);
    window.show();
    return QApplication::exec();
}
