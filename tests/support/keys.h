// Drives a headless calculator with a compact key sequence, for table tests.
#pragma once

#include <string>
#include <vector>

#include "app/core/calculator.h"
#include "support/fake_platform.h"

namespace velmor::testing {

// Names of the keys whose captions the tables cannot use (they are not unique
// or not plain text), as the key sequences write them.
namespace key {
inline constexpr const char* Hex = "Option1(0)";
inline constexpr const char* Dec = "Option1(1)";
inline constexpr const char* Oct = "Option1(2)";
inline constexpr const char* Bin = "Option1(3)";
inline constexpr const char* Word = "optRad";
inline constexpr const char* Byte = "optGrad";
inline constexpr const char* MC = "Command3";
inline constexpr const char* MRC = "Command4";
inline constexpr const char* MS = "Command5";
inline constexpr const char* MPlus = "Command6";
inline constexpr const char* Pi = "Command7";
inline constexpr const char* HexF = "cmdhex(5)";
}  // namespace key

// A fresh calculator on a recording platform, in English or, given a
// catalogue, in another language from its first text on.
struct Harness {
    Harness() = default;
    Harness(Catalogue catalogue, std::string language) : platform(std::move(catalogue), std::move(language)) {}

    FakePlatform platform;
    Calculator calc{platform};
    Form& form() { return calc.form(); }
    const std::string& display() { return calc.form().display.text(); }

    // Clicks each control named in `keys`: "7", "+", "=", "." are the keypad
    // keys by caption; any other word is a control name such as "cmdCont(3)".
    void press(const std::vector<std::string>& keys);
    void pressKeys(const std::vector<Ctl>& keys);

    // Opens statistics and enters the values 1, 2, ..., count with "Dat".
    void enterStatistics(int count);
};

// One row of a key-sequence table: the keys pressed after start-up and the display after them.
struct KeyCase {
    std::vector<std::string> keys;
    const char* display;
};

// A row that names its keys by their Ctl names.
struct CtlCase {
    std::vector<Ctl> keys;
    const char* display;
};

// The keys of a row as one line, for failure messages.
std::string joined(const std::vector<std::string>& keys);
std::string joined(const std::vector<Ctl>& keys);

// Presses each row's keys on a fresh calculator and checks the display.
void expectDisplays(const std::vector<KeyCase>& cases);
void expectKeyDisplays(const std::vector<CtlCase>& cases);

}  // namespace velmor::testing
