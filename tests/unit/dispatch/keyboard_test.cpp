// The keyboard dispatcher against a table of keys that only record their presses.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "app/core/dispatch.h"
#include "engine/form.h"
#include "support/fake_platform.h"
#include "support/keys.h"

namespace velmor {
namespace {

std::vector<Press>& runs() {
    static std::vector<Press> presses;
    return presses;
}

ActionTable recordingTable() {
    ActionTable table;
    for (const ControlRow& s : controlTable())
        table.onClick(s.id, [](Form&, const Press& p) { runs().push_back(p); });
    return table;
}

struct KeyCase {
    int base;
    char typed;
    std::optional<Ctl> runs;   // the key whose click runs, if any
    std::string displayAfter;  // from a display of "12"
};

class Keyboard : public ::testing::Test {
protected:
    void SetUp() override {
        runs().clear();
        form.actions = &table;
    }
    testing::FakePlatform platform;
    ActionTable table = recordingTable();
    Form form{platform};
};

TEST_F(Keyboard, MapsCharactersByBaseAsTheEnabledKeysDo) {
    const KeyCase cases[] = {
        {kDec, '0', digitKey(0), "12"},      {kBin, '1', digitKey(1), "12"},
        {kBin, '2', std::nullopt, "12"},  {kOct, '7', digitKey(7), "12"},
        {kOct, '8', std::nullopt, "12"},  {kOct, '9', std::nullopt, "12"},
        {kDec, '9', digitKey(9), "12"},      {kHex, '8', digitKey(8), "12"},
        {kDec, 'A', std::nullopt, "12"},  {kHex, 'A', hexKey(0), "12A"},
        {kHex, 'B', hexKey(1), "12B"},    {kHex, 'F', hexKey(5), "12F"},
        {kHex, 'G', std::nullopt, "12"},  {kHex, 'a', std::nullopt, "12"},
        {kHex, 'f', std::nullopt, "12"},  {kBin, '+', operatorKey(kOpAdd), "12"},
        {kDec, '-', operatorKey(kOpSub), "12"}, {kDec, '*', operatorKey(kOpMul), "12"},
        {kDec, '/', operatorKey(kOpDiv), "12"}, {kDec, '=', Ctl::Equals, "12"},
        {kDec, '\b', Ctl::Backspace, "12"}, {kDec, '.', Ctl::Point, "12"},
        {kBin, '.', std::nullopt, "12"},  {kHex, '.', std::nullopt, "12"},
        {kDec, '\r', std::nullopt, "12"}, {kDec, 27, std::nullopt, "12"},
        {kDec, '%', std::nullopt, "12"},  {kDec, '^', std::nullopt, "12"},
        {kDec, '(', std::nullopt, "12"},  {kDec, ')', std::nullopt, "12"},
    };
    for (const KeyCase& c : cases) {
        runs().clear();
        form.selectOption(baseOption(c.base));
        form.display() = "12";
        const bool used = dispatchKey(form, static_cast<unsigned char>(c.typed));
        const std::string what = std::string("base ") + std::to_string(c.base) + " key " + std::to_string(c.typed);
        EXPECT_EQ(used, c.runs.has_value() || c.displayAfter != "12") << what;
        EXPECT_EQ(form.display(), c.displayAfter) << what;
        ASSERT_EQ(runs().size(), c.runs ? 1u : 0u) << what;
        if (c.runs) {
            EXPECT_EQ(runs()[0].control, *c.runs) << what;
            EXPECT_EQ(runs()[0].index, arrayIndex(*c.runs)) << what;
            EXPECT_FALSE(runs()[0].real) << what;
        }
    }
}

// Typed characters run the very keys: each row's clicks, then its typed text.
TEST(KeyboardAsKeys, TypedPointActsAsThePointKey) {
    struct Case {
        std::vector<std::string> clicks;
        const char* typed;
        const char* display;
    };
    const Case cases[] = {
        {{}, "2+.5=", "2.5"},         {{}, "1.5+.5=", "2"},      {{"4", "cmdCont(9)"}, ".5", "0.5"},
        {{}, "1..5.", "1.5"},         {{}, ".", "."},            {{}, "..", "."},
        {{"2", "*"}, ".5=", "1"},     {{"Option1(3)"}, "1.1", "11"},
    };
    for (const Case& c : cases) {
        testing::Harness h;
        h.press(c.clicks);
        for (const char* t = c.typed; *t; ++t) h.calc.keyPress(*t);
        EXPECT_EQ(h.display(), c.display) << testing::joined(c.clicks) << "then typed " << c.typed;
    }
}

TEST_F(Keyboard, CodesOutsideAsciiAreIgnored) {
    for (int code : {0, -1, 128, 0x3C0, 0x10000}) {
        EXPECT_FALSE(dispatchKey(form, code)) << code;
        EXPECT_TRUE(runs().empty()) << code;
    }
}

TEST(KeyboardRouting, WorkTextBoxesAndFramesKeepTheirKeys) {
    EXPECT_FALSE(routesKeys(Ctl::WorkValue));
    EXPECT_FALSE(routesKeys(Ctl::FormulaPrompt));
    EXPECT_FALSE(routesKeys(Ctl::BaseFrame));
    for (Ctl c : {Ctl::Display, digitKey(3), Ctl::Point, Ctl::Degrees, baseOption(kBin), functionKey(20), Ctl::StatNext})
        EXPECT_TRUE(routesKeys(c)) << qualifiedName(c);
}

}  // namespace
}  // namespace velmor
