// The calculator's controls and menu items: each named in code for what it is
// (`Ctl::Digit7`, `Menu::Copy`), with the name the window has always given it
// ("cmdNo(7)", "copy") kept as data in its table row. Every input the calculator
// receives names one of these: a click, a key press on the focused control, a
// mouse press, or a menu command.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace velmor {

// One entry per control instance, named for what it is. Members of a key group
// that the window knows as one control array are consecutive, so `arrayIndex`
// can recover the index a key carries in its group.
enum class Ctl : std::uint8_t {
    Display, Backspace, Next, FormulaPrompt, WorkValue,
    BaseFrame, BaseHex, BaseDec, BaseOct, BaseBin,
    AngleFrame, Degrees, Radians, Grads,
    Power, Multiply, Divide, Minus, Plus, Cube, Square, Mod, Reciprocal,
    Factorial, MemoryClear, MemoryRecall, MemoryStore, MemoryAdd, Pi, Point,
    Digit0, Digit1, Digit2, Digit3, Digit4, Digit5, Digit6, Digit7, Digit8, Digit9,
    ClearEntry, ChangeSign, Equals, SquareRoot, Log, Sin, Cos, Tan,
    HexA, HexB, HexC, HexD, HexE, HexF,
    FunctionFrame,
    Sec, CoSec, Cot, ArcSin, ArcCos, ArcTan, ArcSec, ArcCoSec, ArcCot,
    SinH, CosH, TanH, SecH, CoSecH, CotH,
    ArcSinH, ArcCosH, ArcTanH, ArcSecH, ArcCoSecH, ArcCotH,
    MoreFrame, ExpE, Combinations, Permutations, Ln, SumOfIntegers, SumOfSquares, SumOfCubes, Random,
    NthRoot, TenPower, Percent, Formula, OpenParen, CloseParen, SendFormula, Round,
    StatsFrame, StatStart, StatAdd, StatMean, StatSum, StatSumSquares, StatSumCubes,
    StatClear, StatCount, StatSampleDeviation, StatPopulationDeviation, StatNext,
    Count
};

// The groups of keys that share one behaviour and one legacy array name.
enum class Group : std::uint8_t {
    None, BaseOptions, Operators, Digits, HexLetters, Functions, IntegerSums
};

inline constexpr int kControlCount = static_cast<int>(Ctl::Count);

constexpr Ctl operator+(Ctl base, int offset) { return static_cast<Ctl>(static_cast<int>(base) + offset); }
constexpr int toInt(Ctl c) { return static_cast<int>(c); }

constexpr Ctl digitKey(int i) { return Ctl::Digit0 + i; }
constexpr Ctl operatorKey(int i) { return Ctl::Power + i; }
constexpr Ctl hexKey(int i) { return Ctl::HexA + i; }
constexpr Ctl functionKey(int i) { return Ctl::Sec + i; }
constexpr Ctl integerSumKey(int i) { return Ctl::SumOfIntegers + i; }
constexpr Ctl baseOption(int i) { return Ctl::BaseHex + i; }

// Indices of the base option buttons, in the order the window shows them.
enum BaseIndex : int { kHex = 0, kDec = 1, kOct = 2, kBin = 3 };

// Indices of the operator keys (`cmdop`), by what they compute.
enum OpIndex : int {
    kOpPower = 0, kOpMul = 1, kOpDiv = 2, kOpSub = 3, kOpAdd = 4,
    kOpCube = 5, kOpSquare = 6, kOpMod = 7, kOpRecip = 8
};

enum class Kind : std::uint8_t { TextBox, Button, Option, Frame };

// Font roles of the window; the view maps each to installed families.
enum class FontRole : std::uint8_t { Default, ArialBlack, TimesNewRoman, Symbol };

// The picture keys of the statistics group draw these instead of a caption.
enum class Picture : std::uint8_t { None, XBar, SigmaX, SigmaX2, SigmaX3 };

struct ControlRow {
    Ctl id;
    std::string_view name;   // legacy control name, shared by the members of an array
    int index;               // index inside its array, -1 for a single control
    Kind kind;
    Ctl parent;              // frame that holds it, or Ctl::Count for the window
    int left, top, width, height;  // twips, relative to the parent
    std::string_view caption;
    FontRole font;
    bool enabledAtStart;
    bool visibleAtStart;
    int helpId;              // "What is this?" topic, 0 = none (the angle units switch to wordSizeHelpId outside Dec)
    std::string_view toolTip;
    Picture picture;
    Group group = Group::None;
    int wordSizeHelpId = 0;  // topic of an angle-unit button while it chooses a word size
    std::string_view formulaText = {};  // what the key puts into a formula being typed, empty for none
};

// The one table every layer reads: the view builds its widgets from it, the core
// takes start-up states and help topics from it.
const std::array<ControlRow, kControlCount>& controlTable();
const ControlRow& tableRow(Ctl c);

// The window's name of a control with its index in its control array ("cmdNo(7)",
// "Text1" for a single control), as the widgets' object names and scenario files write it.
std::string qualifiedName(Ctl c);
// Looks up "cmdNo(7)", "cmdNo_7" or "Text1"; nothing for an unknown name.
std::optional<Ctl> controlByName(std::string_view name);

// Index of the control inside its array (0 for a single control).
int arrayIndex(Ctl c);
bool inGroup(Ctl c, Group group);

// The window's names of these items ("copy", "whatisthis", ...) are data in the menu table.
enum class Menu : std::uint8_t {
    Edit, Copy, Paste, Delete,
    View, SuperScientific, General, StandardDeviation,
    Help, HelpTopics, WhatsThisMode, HelpSeparator, AboutCalculator,
    WhatIsThisPopup, WhatIsThis,
    Formulae, MathematicalConstants, SineOfSum,
    Count
};

inline constexpr int kMenuCount = static_cast<int>(Menu::Count);

struct MenuRow {
    Menu id;
    std::string_view name;      // menu item name ("copy", "General", ...)
    Menu parent;                // Menu::Count for a top-level menu
    std::string_view caption;
    std::string_view shortcut;  // QKeySequence text, empty for none
    bool checkedAtStart;
    bool visibleAtStart;
    bool separator;
};

const std::array<MenuRow, kMenuCount>& menuTable();
const MenuRow& tableRow(Menu m);
std::optional<Menu> menuByName(std::string_view name);

}  // namespace velmor
