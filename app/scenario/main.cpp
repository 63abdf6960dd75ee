// calc-scenario FILE...: drives the calculator window through scenario files
// and ends with "N passed, M failed".
#include <QApplication>
#include <iostream>

#include "app/scenario/runner.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Calculator"));
    if (argc < 2) {
        std::cerr << "usage: calc-scenario FILE...\n";
        return 2;
    }
    velmor::scenario::Runner runner;
    for (int i = 1; i < argc; ++i) runner.runFile(argv[i]);
    std::cout << runner.passed() << " passed, " << runner.failed() << " failed\n";
    return runner.failed() == 0 ? 0 : 1;
}
