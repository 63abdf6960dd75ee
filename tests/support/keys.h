// Drives a headless calculator with a compact key sequence, for table tests.
#pragma once

#include <string>
#include <vector>

#include "app/core/calculator.h"
#include "support/fake_platform.h"

namespace velmor::testing {

// A fresh calculator on a recording platform.
struct Harness {
    FakePlatform platform;
    Calculator calc{platform};
    Form& form() { return calc.form(); }
    const std::string& display() { return calc.form().display(); }

    // Clicks each control named in `keys`: "7", "+", "=", "." are the keypad
    // keys by caption; any other word is a control name such as "cmdCont(3)".
    void press(const std::vector<std::string>& keys);
};

}  // namespace velmor::testing
