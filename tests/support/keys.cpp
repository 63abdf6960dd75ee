#include "support/keys.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

namespace velmor::testing {
namespace {

const std::map<std::string, Ctl>& captionKeys() {
    static const std::map<std::string, Ctl> keys = {
        {".", Ctl::Point}, {"+", operatorKey(kOpAdd)}, {"-", operatorKey(kOpSub)}, {"*", operatorKey(kOpMul)},
        {"/", operatorKey(kOpDiv)}, {"x^y", operatorKey(kOpPower)}, {"x^2", operatorKey(kOpSquare)},
        {"x^3", operatorKey(kOpCube)}, {"1/x", operatorKey(kOpRecip)}, {"Mod", operatorKey(kOpMod)},
        {"=", Ctl::Equals}, {"CE", Ctl::ClearEntry}, {"+/-", Ctl::ChangeSign}, {"Backspace", Ctl::Backspace},
        {"(", Ctl::OpenParen}, {")", Ctl::CloseParen},
    };
    return keys;
}

}  // namespace

void Harness::press(const std::vector<std::string>& keys) {
    for (const std::string& key : keys) {
        if (key.size() == 1 && key[0] >= '0' && key[0] <= '9') {
            calc.click(digitKey(key[0] - '0'));
            continue;
        }
        const auto found = captionKeys().find(key);
        if (found != captionKeys().end()) {
            calc.click(found->second);
            continue;
        }
        const auto control = controlByName(key);
        if (!control) throw std::invalid_argument("no key " + key);
        calc.click(*control);
    }
}

void Harness::pressKeys(const std::vector<Ctl>& keys) {
    for (Ctl key : keys) calc.click(key);
}

void Harness::enterStatistics(int count) {
    press({"cmdStat"});
    for (int i = 1; i <= count; ++i) {
        calc.displayEdited(std::to_string(i));
        press({"cmdData"});
    }
}

std::string joined(const std::vector<std::string>& keys) {
    std::string text;
    for (const std::string& k : keys) text += k + " ";
    return text;
}

std::string joined(const std::vector<Ctl>& keys) {
    std::string text;
    for (Ctl k : keys) text += qualifiedName(k) + " ";
    return text;
}

void expectKeyDisplays(const std::vector<CtlCase>& cases) {
    for (const CtlCase& c : cases) {
        Harness h;
        h.pressKeys(c.keys);
        EXPECT_EQ(h.display(), c.display) << "keys: " << joined(c.keys);
    }
}

void expectDisplays(const std::vector<KeyCase>& cases) {
    for (const KeyCase& c : cases) {
        Harness h;
        h.press(c.keys);
        EXPECT_EQ(h.display(), c.display) << "keys: " << joined(c.keys);
    }
}

}  // namespace velmor::testing
