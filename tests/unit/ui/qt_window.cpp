#include "qt_window.h"

#include <gtest/gtest.h>

namespace velmor::testing {
namespace {

QApplication* application = nullptr;

// The application ends after the last test, before the program's static objects:
// ended by the exit handlers instead, it would outlive the input devices its
// widgets were driven with and crash on the way out.
class ApplicationLifetime : public ::testing::Environment {
public:
    void TearDown() override {
        delete application;
        application = nullptr;
    }
};

[[maybe_unused]] const auto* const kLifetime = ::testing::AddGlobalTestEnvironment(new ApplicationLifetime);

}  // namespace

QApplication& qtApp() {
    static int argc = 1;
    static char name[] = "unit_ui";
    static char* argv[] = {name, nullptr};
    if (!application) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        application = new QApplication(argc, argv);
    }
    return *application;
}

}  // namespace velmor::testing
