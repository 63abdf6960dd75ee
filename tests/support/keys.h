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

    // Opens statistics and enters the values 1, 2, ..., count with "Dat".
    void enterStatistics(int count);
};

// One row of a key-sequence table: the keys pressed after start-up and the display after them.
struct KeyCase {
    std::vector<std::string> keys;
    const char* display;
};

// The keys of a row as one line, for failure messages.
std::string joined(const std::vector<std::string>& keys);

// Presses each row's keys on a fresh calculator and checks the display.
void expectDisplays(const std::vector<KeyCase>& cases);

}  // namespace velmor::testing
