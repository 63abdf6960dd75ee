// The About dialog's opening and closing, and the registry reading behind
// "System Info...", on the recording platform.
#include <gtest/gtest.h>

#include "help/about.h"
#include "help/help_state.h"
#include "numeric/errors.h"
#include "support/keys.h"

namespace velmor {
namespace {

using testing::FakePlatform;
using testing::Harness;
using Bytes = std::vector<std::uint8_t>;

Bytes text(const std::string& s, bool terminated) {
    Bytes b(s.begin(), s.end());
    if (terminated) b.push_back(0);
    return b;
}

TEST(About, OpeningDisablesTheMainWindowAndShowsTheDialog) {
    Harness h;
    h.calc.menu(Menu::AboutCalculator);
    EXPECT_TRUE(helpState(h.form()).aboutOpen);
    EXPECT_FALSE(helpState(h.form()).mainEnabled);
    EXPECT_EQ(h.platform.aboutShown, 1);
    // The disabled main window ignores its keys and menus.
    h.press({"7"});
    EXPECT_EQ(h.display(), "");
    h.calc.menu(Menu::AboutCalculator);
    EXPECT_EQ(h.platform.aboutShown, 1);
}

TEST(About, ClosingGivesTheMainWindowBackOnce) {
    Harness h;
    h.calc.menu(Menu::AboutCalculator);
    closeAbout(h.form());
    closeAbout(h.form());  // a close request arriving while it closes
    EXPECT_FALSE(helpState(h.form()).aboutOpen);
    EXPECT_TRUE(helpState(h.form()).mainEnabled);
    EXPECT_EQ(h.platform.aboutClosed, 1);
    h.press({"7"});
    EXPECT_EQ(h.display(), "7");
    h.calc.menu(Menu::AboutCalculator);  // opens afresh
    EXPECT_EQ(h.platform.aboutShown, 2);
}

TEST(About, TextsOfTheLoadedDialog) {
    FakePlatform p;
    const AboutTexts t = aboutTexts(p);
    EXPECT_EQ(t.caption, "About Calculator");
    EXPECT_EQ(t.title, "Calculator");
    EXPECT_EQ(t.version, "Version 2.5.0");
    EXPECT_EQ(t.description, "It is a easy to calculator, With  more Flexible Calculating options.");
}

struct ValueCase {
    const char* name;
    std::uint32_t type;
    Bytes bytes;
    bool ok;
    std::string value;
};

class GetKeyValueTable : public ::testing::TestWithParam<ValueCase> {};

TEST_P(GetKeyValueTable, ReadsTheValueAsText) {
    const ValueCase& c = GetParam();
    FakePlatform p;
    p.registry["K"]["V"] = {c.type, c.bytes};
    std::string value = "before";
    EXPECT_EQ(getKeyValue(p, kLocalMachineRoot, "K", "V", value), c.ok);
    EXPECT_EQ(value, c.value);
    EXPECT_EQ(p.closedKeys, 1);
}

INSTANTIATE_TEST_SUITE_P(
    About, GetKeyValueTable,
    ::testing::Values(
        ValueCase{"terminated", 1, text("C:\\Tools\\si.exe", true), true, "C:\\Tools\\si.exe"},
        ValueCase{"unterminated", 1, text("C:\\Tools\\si.exe", false), true, "C:\\Tools\\si.exe"},
        ValueCase{"onlyTheZero", 1, Bytes{0}, true, ""},
        ValueCase{"innerZeroKept", 1, Bytes{'a', 0, 'b', 0}, true, std::string("a\0b", 3)},
        // Bytes from last to first, each without its leading zero.
        ValueCase{"number", 4, Bytes{0x78, 0x56, 0x34, 0x12}, true, "&h12345678"},
        ValueCase{"numberSmallBytes", 4, Bytes{0x0A, 0x01, 0xFF, 0x02}, true, "&h2FF1A"},
        // A last byte of zero counts as a terminator even in a number.
        ValueCase{"numberHighZero", 4, Bytes{0x05, 0x00, 0x00, 0x00}, true, "&h005"},
        ValueCase{"otherTypeKeepsText", 3, Bytes{0x41, 0x42}, true, "before"},
        ValueCase{"fillsTheBuffer", 1, Bytes(1024, 'x'), true, std::string(1024, 'x')},
        ValueCase{"tooLong", 1, Bytes(1025, 'x'), false, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(About, GetKeyValueFailsWithoutKeyOrValue) {
    FakePlatform p;
    p.registry["K"]["other"] = {1, text("x", true)};
    std::string value = "before";
    EXPECT_FALSE(getKeyValue(p, kLocalMachineRoot, "missing", "V", value));
    EXPECT_EQ(value, "");
    EXPECT_EQ(p.closedKeys, 0);
    value = "before";
    EXPECT_FALSE(getKeyValue(p, kLocalMachineRoot, "K", "V", value));
    EXPECT_EQ(value, "");
    EXPECT_EQ(p.closedKeys, 1);
}

TEST(About, GetKeyValueOfLengthZeroRaisesAndClosesTheKey) {
    FakePlatform p;
    p.registry["K"]["V"] = {1, Bytes{}};
    std::string value;
    EXPECT_THROW(getKeyValue(p, kLocalMachineRoot, "K", "V", value), CalcError);
    EXPECT_EQ(p.closedKeys, 1);
}

// The registry as the launch finds it, and what happens.
struct LaunchCase {
    const char* name;
    std::optional<Bytes> location1;
    std::optional<Bytes> location2;
    std::vector<std::string> files;
    std::string started;  // empty: the message instead
};

class StartSysInfoTable : public ::testing::TestWithParam<LaunchCase> {};

TEST_P(StartSysInfoTable, StartsTheToolOrSaysItIsUnavailable) {
    const LaunchCase& c = GetParam();
    FakePlatform p;
    if (c.location1) p.registry[kSysInfoPathKey][kSysInfoPathValue] = {1, *c.location1};
    if (c.location2) p.registry[kSysInfoFolderKey][kSysInfoFolderValue] = {1, *c.location2};
    p.files.insert(c.files.begin(), c.files.end());
    startSysInfo(p);
    if (c.started.empty()) {
        EXPECT_TRUE(p.started.empty());
        ASSERT_EQ(p.boxes.size(), 1u);
        EXPECT_EQ(p.boxes[0].text, "System Information Is Unavailable At This Time");
        EXPECT_EQ(p.boxes[0].icon, MsgIcon::None);
    } else {
        EXPECT_EQ(p.started, std::vector<std::string>{c.started});
        EXPECT_TRUE(p.boxes.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    About, StartSysInfoTable,
    ::testing::Values(
        LaunchCase{"location1", text("C:\\A\\si.exe", true), text("C:\\B", true), {"C:\\B\\MSINFO32.EXE"},
                   "C:\\A\\si.exe"},
        LaunchCase{"location1Unterminated", text("C:\\A\\si.exe", false), {}, {}, "C:\\A\\si.exe"},
        LaunchCase{"location2WithTool", {}, text("C:\\B", true), {"C:\\B\\MSINFO32.EXE"}, "C:\\B\\MSINFO32.EXE"},
        LaunchCase{"location2WithoutTool", {}, text("C:\\B", true), {"C:\\B\\other.exe"}, ""},
        LaunchCase{"trailingBackslash", {}, text("C:\\B\\", true), {"C:\\B\\\\MSINFO32.EXE"},
                   "C:\\B\\\\MSINFO32.EXE"},
        LaunchCase{"trailingBackslashNoFile", {}, text("C:\\B\\", true), {"C:\\B\\MSINFO32.EXE"}, ""},
        LaunchCase{"location1EmptyText", text("", true), text("C:\\B", true), {"C:\\B\\MSINFO32.EXE"}, ""},
        LaunchCase{"location1LengthZero", Bytes{}, text("C:\\B", true), {"C:\\B\\MSINFO32.EXE"}, ""},
        LaunchCase{"nothing", {}, {}, {}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(About, StartSysInfoNeverReadsLocation2WhenLocation1Answers) {
    FakePlatform p;
    p.registry[kSysInfoPathKey][kSysInfoPathValue] = {1, text("C:\\A\\si.exe", true)};
    p.registry[kSysInfoFolderKey][kSysInfoFolderValue] = {1, text("C:\\B", true)};
    startSysInfo(p);
    EXPECT_EQ(p.openedKeys, std::vector<std::string>{kSysInfoPathKey});
}

TEST(About, NumberValueNamesNoProgram) {
    FakePlatform p;
    p.startSucceeds = false;  // "&h..." is not a program the platform can start
    p.registry[kSysInfoPathKey][kSysInfoPathValue] = {4, Bytes{1, 2, 3, 4}};
    startSysInfo(p);
    ASSERT_EQ(p.boxes.size(), 1u);
    EXPECT_EQ(p.boxes[0].text, "System Information Is Unavailable At This Time");
    EXPECT_EQ(p.openedKeys.size(), 1u);  // a read value ends the lookup even when unusable
}

}  // namespace
}  // namespace velmor
