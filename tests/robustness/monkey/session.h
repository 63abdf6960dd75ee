// One run of the program as the monkey drives it: the desktop platform (with the
// one side effect that leaves the machine, starting a program, recorded
// instead), the calculator and its main window.
#pragma once

#include <string>
#include <vector>

#include "app/core/calculator.h"
#include "app/ui/main_window.h"
#include "app/ui/qt_platform.h"

namespace velmor::monkey {

class MonkeyPlatform : public QtPlatform {
public:
    bool startProgram(const std::string& path) override {
        started.push_back(path);
        return true;
    }
    std::vector<std::string> started;
};

struct Session {
    MonkeyPlatform platform;
    Calculator calc{platform};
    MainWindow window{calc};

    Session() {
        platform.attach(&window);
        window.show();
        window.activateWindow();
    }
};

}  // namespace velmor::monkey
