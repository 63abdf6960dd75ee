#include "support/keys.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

namespace velmor::testing {
namespace {

const std::map<std::string, Ctl>& captionKeys() {
    static const std::map<std::string, Ctl> keys = {
        {".", Ctl::Command1}, {"+", cmdop(kOpAdd)}, {"-", cmdop(kOpSub)}, {"*", cmdop(kOpMul)},
        {"/", cmdop(kOpDiv)}, {"x^y", cmdop(kOpPower)}, {"x^2", cmdop(kOpSquare)},
        {"x^3", cmdop(kOpCube)}, {"1/x", cmdop(kOpRecip)}, {"Mod", cmdop(kOpMod)},
        {"=", Ctl::cmdeq}, {"CE", Ctl::CMCE}, {"+/-", Ctl::cmdSgn}, {"Backspace", Ctl::Command2},
        {"(", Ctl::cmdrB}, {")", Ctl::cmdLB},
    };
    return keys;
}

}  // namespace

void Harness::press(const std::vector<std::string>& keys) {
    for (const std::string& key : keys) {
        if (key.size() == 1 && key[0] >= '0' && key[0] <= '9') {
            calc.click(cmdNo(key[0] - '0'));
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

void expectDisplays(const std::vector<KeyCase>& cases) {
    for (const KeyCase& c : cases) {
        Harness h;
        h.press(c.keys);
        EXPECT_EQ(h.display(), c.display) << "keys: " << joined(c.keys);
    }
}

}  // namespace velmor::testing
