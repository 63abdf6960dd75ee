// The keyboard: typed characters work the keys a click would.
#include <gtest/gtest.h>

#include <vector>

#include "app/core/dispatch.h"
#include "engine/form.h"
#include "support/keys.h"

namespace velmor {
namespace {

namespace key = testing::key;

// A typed character works its key only where a click on it would: the base
// and formula entry decide through the keys they enable, never the keyboard.
TEST(Keyboard, TypesWhatTheEnabledKeysTake) {
    struct Case {
        std::vector<std::string> clicks;  // before "1" and the typed character
        int typed;
        const char* display;
    };
    const Case cases[] = {
        {{}, '9', "19"},                    {{}, 'A', "1"},                   {{}, 'a', "1"},
        {{key::Bin}, '1', "11"},            {{key::Bin}, '2', "1"},           {{key::Oct}, '7', "17"},
        {{key::Oct}, '8', "1"},             {{key::Hex}, 'A', "1A"},          {{key::Hex}, 'f', "1"},
        {{key::Hex}, 'G', "1"},             {{}, '.', "1."},                  {{key::Bin}, '.', "1"},
        {{key::Hex, key::Byte}, '1', "11"}, {{}, '\r', "1"},
        {{}, 27, "1"},                      {{}, '%', "1"},                   {{}, '(', "1"},
        {{"cmdFormule"}, 'A', "1"},         {{"cmdFormule"}, '+', "1+"},      {{}, 0x3C0, "1"},
        {{}, 128, "1"},                     {{}, -1, "1"},
    };
    for (const Case& c : cases) {
        testing::Harness h;
        h.press(c.clicks);
        h.press({"1"});
        const std::string before = h.display();
        const bool used = h.calc.keyPress(c.typed);
        EXPECT_EQ(h.display(), c.display) << testing::joined(c.clicks) << "then " << c.typed;
        EXPECT_EQ(used, h.display() != before) << testing::joined(c.clicks) << "then " << c.typed;
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

TEST(KeyboardRouting, WorkTextBoxesAndFramesKeepTheirKeys) {
    EXPECT_FALSE(routesKeys(Ctl::WorkValue));
    EXPECT_FALSE(routesKeys(Ctl::FormulaPrompt));
    EXPECT_FALSE(routesKeys(Ctl::BaseFrame));
    for (Ctl c : {Ctl::Display, digitKey(3), Ctl::Point, Ctl::Degrees, baseOption(kBin), functionKey(20), Ctl::StatNext})
        EXPECT_TRUE(routesKeys(c)) << qualifiedName(c);
}

}  // namespace
}  // namespace velmor
