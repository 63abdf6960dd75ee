#include "engine/controls.h"

#include "engine/phrase.h"

#include <string>

namespace velmor {
namespace {

constexpr Ctl kWindow = Ctl::Count;
constexpr int kKeyW = 615;
constexpr int kKeyH = 495;

using F = FontRole;

constexpr int keypadLeft(int column) { return 120 + 720 * column; }
constexpr int keypadTop(int row) { return 1200 + 600 * row; }

constexpr ControlRow key(Ctl id, std::string_view name, int index, Ctl parent, int left, int top,
                          std::string_view caption, F font, int help, bool enabled = true,
                          std::string_view tip = {}, Picture picture = Picture::None) {
    return {id, name, index, Kind::Button, parent, left, top, kKeyW, kKeyH, caption, font,
            enabled, true, help, tip, picture};
}

constexpr ControlRow pad(Ctl id, std::string_view name, int index, int row, int column,
                          std::string_view caption, F font, int help, bool enabled = true) {
    return key(id, name, index, kWindow, keypadLeft(column), keypadTop(row), caption, font, help, enabled);
}

constexpr ControlRow fn(int i, std::string_view caption) {
    return key(functionKey(i), "cmdCont", i, Ctl::FunctionFrame, 120 + 720 * (i % 3), 240 + 600 * (i / 3),
               caption, F::TimesNewRoman, 65);
}

constexpr ControlRow extra(Ctl id, std::string_view name, int index, int row, int column,
                            std::string_view caption, int help, bool enabled = true,
                            std::string_view tip = {}) {
    return key(id, name, index, Ctl::MoreFrame, 120 + 720 * column, 240 + 600 * row, caption,
               F::TimesNewRoman, help, enabled, tip);
}

constexpr ControlRow stat(Ctl id, std::string_view name, int row, int column,
                           std::string_view caption, int help, bool enabled = false,
                           Picture picture = Picture::None, F font = F::TimesNewRoman) {
    return key(id, name, -1, Ctl::StatsFrame, 120 + 720 * column, 240 + 600 * row, caption, font, help,
               enabled, {}, picture);
}

// A key that puts `text` into a formula being typed.
constexpr ControlRow inserts(ControlRow row, std::string_view text) {
    row.formulaText = text;
    return row;
}

constexpr ControlRow frame(Ctl id, std::string_view name, int left, int top, int width, int height) {
    return {id, name, -1, Kind::Frame, kWindow, left, top, width, height, {}, F::Default,
            true, true, 0, {}, Picture::None};
}

constexpr ControlRow option(Ctl id, std::string_view name, int index, Ctl parent, int left, int top,
                             int width, int height, std::string_view caption, int help,
                             int wordSizeHelp = 0) {
    return {id, name, index, Kind::Option, parent, left, top, width, height, caption, F::Default,
            true, true, help, {}, Picture::None, Group::None, wordSizeHelp};
}

constexpr ControlRow textBox(Ctl id, std::string_view name, int left, int top, int width, int height,
                              bool visible, int help) {
    return {id, name, -1, Kind::TextBox, kWindow, left, top, width, height, {}, F::ArialBlack,
            true, visible, help, {}, Picture::None};
}

struct GroupRange {
    Group group;
    Ctl first;
    int count;
};

constexpr std::array<GroupRange, 6> kGroups = {{
    {Group::BaseOptions, Ctl::BaseHex, 4},
    {Group::Operators, Ctl::Power, 9},
    {Group::Digits, Ctl::Digit0, 10},
    {Group::HexLetters, Ctl::HexA, 6},
    {Group::Functions, Ctl::Sec, 21},
    {Group::IntegerSums, Ctl::SumOfIntegers, 3},
}};

constexpr std::array<ControlRow, kControlCount> withGroups(std::array<ControlRow, kControlCount> rows) {
    for (const GroupRange& range : kGroups)
        for (int i = 0; i < range.count; ++i) rows[toInt(range.first + i)].group = range.group;
    return rows;
}

// Rows follow the order of the Ctl enumeration; controlTable() checks it.
// Captions that are words are marked for the catalogues ("Key"), tool tips
// too ("ToolTip"); notation ("Sin", "x^y") stays the same in every language.
constexpr std::array<ControlRow, kControlCount> kTable = withGroups({{
    textBox(Ctl::Display, "Text1", 120, 120, 4695, 390, true, 66),
    {Ctl::Backspace, "Command2", -1, Kind::Button, kWindow, 4920, 120, 975, 495, QT_TRANSLATE_NOOP("Key", "Backspace"),
     F::TimesNewRoman, true, true, 8, {}, Picture::None},
    {Ctl::Next, "cmdNext", -1, Kind::Button, kWindow, 6000, 120, 1215, 375, QT_TRANSLATE_NOOP("Key", "Next"),
     F::TimesNewRoman, true, true, 23, {}, Picture::None},
    textBox(Ctl::FormulaPrompt, "txtformu", 240, 210, 1350, 255, false, 0),
    textBox(Ctl::WorkValue, "Text2", 7800, -120, 1335, 375, false, 0),

    frame(Ctl::BaseFrame, "Frame1", 120, 600, 2895, 495),
    option(baseOption(kHex), "Option1", 0, Ctl::BaseFrame, 120, 180, 615, 195, QT_TRANSLATE_NOOP("Key", "Hex"), 13),
    option(baseOption(kDec), "Option1", 1, Ctl::BaseFrame, 840, 180, 615, 195, QT_TRANSLATE_NOOP("Key", "Dec"), 14),
    option(baseOption(kOct), "Option1", 2, Ctl::BaseFrame, 1560, 180, 615, 195, QT_TRANSLATE_NOOP("Key", "Oct"), 15),
    option(baseOption(kBin), "Option1", 3, Ctl::BaseFrame, 2160, 180, 615, 195, QT_TRANSLATE_NOOP("Key", "Bin"), 16),

    frame(Ctl::AngleFrame, "Frame3", 3120, 600, 2655, 495),
    option(Ctl::Degrees, "optDeg", -1, Ctl::AngleFrame, 120, 180, 855, 255, QT_TRANSLATE_NOOP("Key", "Deg"), 20, 17),
    option(Ctl::Radians, "optRad", -1, Ctl::AngleFrame, 960, 180, 735, 255, QT_TRANSLATE_NOOP("Key", "Rad"), 21, 18),
    option(Ctl::Grads, "optGrad", -1, Ctl::AngleFrame, 1680, 180, 735, 255, QT_TRANSLATE_NOOP("Key", "Grad"), 22, 19),

    inserts(pad(operatorKey(0), "cmdop", 0, 1, 0, "x^y", F::TimesNewRoman, 49), "x^y"),
    inserts(pad(operatorKey(1), "cmdop", 1, 0, 6, "*", F::ArialBlack, 4), "*"),
    inserts(pad(operatorKey(2), "cmdop", 2, 1, 6, "/", F::ArialBlack, 5), "/"),
    inserts(pad(operatorKey(3), "cmdop", 3, 2, 6, "-", F::ArialBlack, 3), "-"),
    inserts(pad(operatorKey(4), "cmdop", 4, 2, 7, "+", F::ArialBlack, 2), "+"),
    inserts(pad(operatorKey(5), "cmdop", 5, 2, 0, "x^3", F::TimesNewRoman, 50), "x^3"),
    inserts(pad(operatorKey(6), "cmdop", 6, 3, 0, "x^2", F::TimesNewRoman, 51), "x^2"),
    inserts(pad(operatorKey(7), "cmdop", 7, 4, 0, "Mod", F::TimesNewRoman, 48), "Mod"),
    inserts(pad(operatorKey(8), "cmdop", 8, 0, 0, "1/x", F::TimesNewRoman, 24), "1/x"),
    pad(Ctl::Factorial, "Command12", -1, 0, 1, "n!", F::TimesNewRoman, 47),
    pad(Ctl::MemoryClear, "Command3", -1, 0, 2, "MC", F::TimesNewRoman, 58),
    pad(Ctl::MemoryRecall, "Command4", -1, 1, 2, "MRC", F::TimesNewRoman, 59),
    pad(Ctl::MemoryStore, "Command5", -1, 2, 2, "MS", F::TimesNewRoman, 60),
    pad(Ctl::MemoryAdd, "Command6", -1, 3, 2, "M+", F::TimesNewRoman, 61),
    pad(Ctl::Pi, "Command7", -1, 3, 5, "\u03C0", F::Symbol, 9),
    pad(Ctl::Point, "Command1", -1, 3, 3, ".", F::ArialBlack, 10),
    pad(digitKey(0), "cmdNo", 0, 3, 4, "0", F::ArialBlack, 7),
    pad(digitKey(1), "cmdNo", 1, 2, 3, "1", F::ArialBlack, 7),
    pad(digitKey(2), "cmdNo", 2, 2, 4, "2", F::ArialBlack, 7),
    pad(digitKey(3), "cmdNo", 3, 2, 5, "3", F::ArialBlack, 7),
    pad(digitKey(4), "cmdNo", 4, 1, 3, "4", F::ArialBlack, 7),
    pad(digitKey(5), "cmdNo", 5, 1, 4, "5", F::ArialBlack, 7),
    pad(digitKey(6), "cmdNo", 6, 1, 5, "6", F::ArialBlack, 7),
    pad(digitKey(7), "cmdNo", 7, 0, 3, "7", F::ArialBlack, 7),
    pad(digitKey(8), "cmdNo", 8, 0, 4, "8", F::ArialBlack, 7),
    pad(digitKey(9), "cmdNo", 9, 0, 5, "9", F::ArialBlack, 7),
    pad(Ctl::ClearEntry, "CMCE", -1, 0, 7, "CE", F::ArialBlack, 6),
    pad(Ctl::ChangeSign, "cmdSgn", -1, 1, 7, "+/-", F::ArialBlack, 38),
    pad(Ctl::Equals, "cmdeq", -1, 3, 6, "=", F::ArialBlack, 1),
    pad(Ctl::SquareRoot, "cmdsqrt", -1, 3, 7, "\u221A", F::TimesNewRoman, 11),
    pad(Ctl::Log, "Command11", -1, 1, 1, "Log", F::TimesNewRoman, 46),
    pad(Ctl::Sin, "Command10", -1, 2, 1, "Sin", F::TimesNewRoman, 62),
    pad(Ctl::Cos, "Command9", -1, 3, 1, "Cos", F::TimesNewRoman, 63),
    pad(Ctl::Tan, "Command8", -1, 4, 1, "Tan", F::TimesNewRoman, 64),
    pad(hexKey(0), "cmdhex", 0, 4, 2, "A", F::TimesNewRoman, 12, false),
    pad(hexKey(1), "cmdhex", 1, 4, 3, "B", F::TimesNewRoman, 12, false),
    pad(hexKey(2), "cmdhex", 2, 4, 4, "C", F::TimesNewRoman, 12, false),
    pad(hexKey(3), "cmdhex", 3, 4, 5, "D", F::TimesNewRoman, 12, false),
    pad(hexKey(4), "cmdhex", 4, 4, 6, "E", F::TimesNewRoman, 12, false),
    pad(hexKey(5), "cmdhex", 5, 4, 7, "F", F::TimesNewRoman, 12, false),

    frame(Ctl::FunctionFrame, "Frame2", 6000, 480, 2295, 4455),
    fn(0, "Sec"), fn(1, "CoSec"), fn(2, "Cot"),
    fn(3, "Sin-\u00B9"), fn(4, "Cos-\u00B9"), fn(5, "Tan-\u00B9"),
    fn(6, "Sec-\u00B9"), fn(7, "CoSec-\u00B9"), fn(8, "Cot-\u00B9"),
    fn(9, "SinH"), fn(10, "CosH"), fn(11, "TanH"),
    fn(12, "SecH"), fn(13, "CoSecH"), fn(14, "CotH"),
    fn(15, "SinH-\u00B9"), fn(16, "CosH-\u00B9"), fn(17, "TanH-\u00B9"),
    fn(18, "SecH-\u00B9"), fn(19, "CosecH-\u00B9"), fn(20, "CotH-\u00B9"),

    frame(Ctl::MoreFrame, "Frame4", 0, 4200, 5895, 1455),
    extra(Ctl::ExpE, "cmdea", -1, 0, 0, "e^a", 41),
    extra(Ctl::Combinations, "cmdncr", -1, 0, 1, "ncr", 56),
    extra(Ctl::Permutations, "cmdnpr", -1, 0, 2, "npr", 57),
    extra(Ctl::Ln, "cmdLn", -1, 0, 3, "ln", 45),
    extra(integerSumKey(0), "cmdsigx", 0, 0, 4, "Sigma x", 35),
    extra(integerSumKey(1), "cmdsigx", 1, 0, 5, "Sigma x\u00B2", 36),
    extra(integerSumKey(2), "cmdsigx", 2, 0, 6, "Sigma x\u00B3", 37),
    extra(Ctl::Random, "cmdRand", -1, 0, 7, QT_TRANSLATE_NOOP("Key", "Ran"), 39, true,
          QT_TRANSLATE_NOOP("ToolTip", "Random Number")),
    extra(Ctl::NthRoot, "cmdnsqrt", -1, 1, 0, "\u207F\u221A", 42),
    extra(Ctl::TenPower, "cmd10x", -1, 1, 1, "10\u00AA", 43),
    extra(Ctl::Percent, "cmdPercent", -1, 1, 2, "%", 44),
    extra(Ctl::Formula, "cmdFormule", -1, 1, 3, QT_TRANSLATE_NOOP("Key", "Formule"), 54, true,
          QT_TRANSLATE_NOOP("ToolTip", "User Defined Formule")),
    inserts(extra(Ctl::OpenParen, "cmdrB", -1, 1, 4, "(", 52), "("),
    inserts(extra(Ctl::CloseParen, "cmdLB", -1, 1, 5, ")", 53), ")"),
    extra(Ctl::SendFormula, "cmdOK", -1, 1, 6, QT_TRANSLATE_NOOP("Key", "OK"), 55, false,
          QT_TRANSLATE_NOOP("ToolTip", "Send the formula to System")),
    extra(Ctl::Round, "cmdRou", -1, 1, 7, QT_TRANSLATE_NOOP("Key", "Rou"), 40, true,
          QT_TRANSLATE_NOOP("ToolTip", "Round up the Number")),

    frame(Ctl::StatsFrame, "Frame5", 8400, 480, 1575, 4455),
    stat(Ctl::StatStart, "cmdStat", 0, 0, QT_TRANSLATE_NOOP("Key", "Stat"), 33, true),
    stat(Ctl::StatAdd, "cmdData", 0, 1, QT_TRANSLATE_NOOP("Key", "Dat"), 34),
    stat(Ctl::StatMean, "cmdXbar", 1, 0, {}, 27, false, Picture::XBar),
    stat(Ctl::StatSum, "cmdSigmax", 1, 1, {}, 28, false, Picture::SigmaX),
    stat(Ctl::StatSumSquares, "cmdSigmaX2", 2, 0, {}, 29, false, Picture::SigmaX2),
    stat(Ctl::StatSumCubes, "cmdSigmax3", 2, 1, {}, 30, false, Picture::SigmaX3),
    stat(Ctl::StatClear, "cmdClear", 3, 0, "C", 32),
    stat(Ctl::StatCount, "cmdstdN", 3, 1, "n", 31),
    stat(Ctl::StatSampleDeviation, "cmdStdDev", 4, 0, "S", 25),
    stat(Ctl::StatPopulationDeviation, "cmdSigmas", 4, 1, "\u03C3", 26, false, Picture::None, F::Symbol),
    {Ctl::StatNext, "cmdStdNext", -1, Kind::Button, Ctl::StatsFrame, 120, 3240, 1335, 375,
     QT_TRANSLATE_NOOP("Key", "Next"),
     F::TimesNewRoman, false, true, 23, {}, Picture::None},
}});

constexpr bool tableInEnumOrder() {
    for (int i = 0; i < kControlCount; ++i)
        if (toInt(kTable[i].id) != i) return false;
    return true;
}
static_assert(tableInEnumOrder(), "control table rows must follow the Ctl enumeration");

// A member of a legacy control array belongs to a group, and the group's members
// carry the indices 0, 1, 2 ... of their array.
constexpr bool groupsMatchArrays() {
    for (const ControlRow& row : kTable) {
        if ((row.index >= 0) != (row.group != Group::None)) return false;
        if (row.group != Group::None && row.index > 0 && kTable[toInt(row.id) - 1].group != row.group)
            return false;
    }
    return true;
}
static_assert(groupsMatchArrays(), "key groups must cover exactly the control arrays");

using M = Menu;
constexpr M kTop = Menu::Count;
// The pop-up menu and its one item share the caption.
constexpr std::string_view kWhatIsThis = QT_TRANSLATE_NOOP("Menu", "What is this?");

constexpr std::array<MenuRow, kMenuCount> kMenus = {{
    {M::Edit, "Edit", kTop, QT_TRANSLATE_NOOP("Menu", "&Edit"), {}, false, true, false},
    {M::Copy, "copy", M::Edit, QT_TRANSLATE_NOOP("Menu", "Copy"), "Ctrl+C", false, true, false},
    {M::Paste, "paste", M::Edit, QT_TRANSLATE_NOOP("Menu", "Paste"), "Ctrl+V", false, true, false},
    {M::Delete, "delete", M::Edit, QT_TRANSLATE_NOOP("Menu", "Delete"), {}, false, true, false},
    {M::View, "View", kTop, QT_TRANSLATE_NOOP("Menu", "View"), {}, false, true, false},
    {M::SuperScientific, "Superscientific", M::View,
     QT_TRANSLATE_NOOP("Menu", "Super Scientific"), {}, false, true, false},
    {M::General, "General", M::View, QT_TRANSLATE_NOOP("Menu", "General"), {}, false, true, false},
    {M::StandardDeviation, "StandardDeviation", M::View,
     QT_TRANSLATE_NOOP("Menu", "Standard Deviation"), {}, true, true, false},
    {M::Help, "Help", kTop, QT_TRANSLATE_NOOP("Menu", "Help"), {}, false, true, false},
    {M::HelpTopics, "Helptopics", M::Help, QT_TRANSLATE_NOOP("Menu", "HelpTopics"), {}, false, true, false},
    {M::WhatsThisMode, "WhatsThisMode", M::Help,
     QT_TRANSLATE_NOOP("Menu", "What's This?"), "Shift+F1", false, true, false},
    {M::HelpSeparator, "sep", M::Help, "-", {}, false, true, true},
    {M::AboutCalculator, "AboutCalculator", M::Help,
     QT_TRANSLATE_NOOP("Menu", "About Calculator"), {}, false, true, false},
    {M::WhatIsThisPopup, "whatisthis", kTop, kWhatIsThis, {}, false, false, false},
    {M::WhatIsThis, "what", M::WhatIsThisPopup, kWhatIsThis, {}, false, true, false},
    {M::Formulae, "formulae", kTop, QT_TRANSLATE_NOOP("Menu", "Formulae"), {}, false, false, false},
    {M::MathematicalConstants, "Mathematical", M::Formulae,
     QT_TRANSLATE_NOOP("Menu", "Mathematical Constants and Formulae"), {}, false, true, false},
    {M::SineOfSum, "sin22", M::MathematicalConstants, "sin(0+_Y)", {}, false, true, false},
}};

constexpr bool menusInEnumOrder() {
    for (int i = 0; i < kMenuCount; ++i)
        if (static_cast<int>(kMenus[i].id) != i) return false;
    return true;
}
static_assert(menusInEnumOrder(), "menu table rows must follow the Menu enumeration");

}  // namespace

const std::array<ControlRow, kControlCount>& controlTable() { return kTable; }
const ControlRow& tableRow(Ctl c) { return kTable[toInt(c)]; }

std::string qualifiedName(Ctl c) {
    const ControlRow& s = tableRow(c);
    std::string name(s.name);
    if (s.index >= 0) name += "(" + std::to_string(s.index) + ")";
    return name;
}

std::optional<Ctl> controlByName(std::string_view name) {
    std::string wanted(name);
    const auto underscore = wanted.rfind('_');
    if (underscore != std::string::npos && wanted.find('(') == std::string::npos)
        wanted = wanted.substr(0, underscore) + "(" + wanted.substr(underscore + 1) + ")";
    for (const ControlRow& s : kTable)
        if (qualifiedName(s.id) == wanted) return s.id;
    return std::nullopt;
}

int arrayIndex(Ctl c) { return tableRow(c).index < 0 ? 0 : tableRow(c).index; }
bool inGroup(Ctl c, Group group) { return tableRow(c).group == group; }

const std::array<MenuRow, kMenuCount>& menuTable() { return kMenus; }
const MenuRow& tableRow(Menu m) { return kMenus[static_cast<int>(m)]; }

std::optional<Menu> menuByName(std::string_view name) {
    for (const MenuRow& s : kMenus)
        if (s.name == name) return s.id;
    return std::nullopt;
}

}  // namespace velmor
