// The calculator's controls and menu items, named as the window names them.
// Every input the calculator receives names one of these: a click, a key press
// on the focused control, a mouse press, or a menu command.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace velmor {

// One entry per control instance. Members of a control array are consecutive,
// so `arrayIndex` can recover the index a key carries in its array.
enum class Ctl : std::uint8_t {
    Text1, Command2, cmdNext, txtformu, Text2,
    Frame1, Option1_0, Option1_1, Option1_2, Option1_3,
    Frame3, optDeg, optRad, optGrad,
    cmdop_0, cmdop_1, cmdop_2, cmdop_3, cmdop_4, cmdop_5, cmdop_6, cmdop_7, cmdop_8,
    Command12, Command3, Command4, Command5, Command6, Command7, Command1,
    cmdNo_0, cmdNo_1, cmdNo_2, cmdNo_3, cmdNo_4, cmdNo_5, cmdNo_6, cmdNo_7, cmdNo_8, cmdNo_9,
    CMCE, cmdSgn, cmdeq, cmdsqrt, Command11, Command10, Command9, Command8,
    cmdhex_0, cmdhex_1, cmdhex_2, cmdhex_3, cmdhex_4, cmdhex_5,
    Frame2,
    cmdCont_0, cmdCont_1, cmdCont_2, cmdCont_3, cmdCont_4, cmdCont_5, cmdCont_6,
    cmdCont_7, cmdCont_8, cmdCont_9, cmdCont_10, cmdCont_11, cmdCont_12, cmdCont_13,
    cmdCont_14, cmdCont_15, cmdCont_16, cmdCont_17, cmdCont_18, cmdCont_19, cmdCont_20,
    Frame4, cmdea, cmdncr, cmdnpr, cmdLn, cmdsigx_0, cmdsigx_1, cmdsigx_2, cmdRand,
    cmdnsqrt, cmd10x, cmdPercent, cmdFormule, cmdrB, cmdLB, cmdOK, cmdRou,
    Frame5, cmdStat, cmdData, cmdXbar, cmdSigmax, cmdSigmaX2, cmdSigmax3,
    cmdClear, cmdstdN, cmdStdDev, cmdSigmas, cmdStdNext,
    Count
};

inline constexpr int kControlCount = static_cast<int>(Ctl::Count);

constexpr Ctl operator+(Ctl base, int offset) { return static_cast<Ctl>(static_cast<int>(base) + offset); }
constexpr int toInt(Ctl c) { return static_cast<int>(c); }

constexpr Ctl cmdNo(int i) { return Ctl::cmdNo_0 + i; }
constexpr Ctl cmdop(int i) { return Ctl::cmdop_0 + i; }
constexpr Ctl cmdhex(int i) { return Ctl::cmdhex_0 + i; }
constexpr Ctl cmdCont(int i) { return Ctl::cmdCont_0 + i; }
constexpr Ctl cmdsigx(int i) { return Ctl::cmdsigx_0 + i; }
constexpr Ctl option1(int i) { return Ctl::Option1_0 + i; }

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
    std::string_view name;   // control name, shared by the members of an array
    int index;               // index inside its array, -1 for a single control
    Kind kind;
    Ctl parent;              // frame that holds it, or Ctl::Count for the window
    int left, top, width, height;  // twips, relative to the parent
    std::string_view caption;
    FontRole font;
    bool enabledAtStart;
    bool visibleAtStart;
    int helpId;              // "What is this?" topic, 0 = none (option buttons set theirs at run time)
    std::string_view toolTip;
    Picture picture;
};

// The one table every layer reads: the view builds its widgets from it, the core
// takes start-up states and help topics from it.
const std::array<ControlRow, kControlCount>& controlTable();
const ControlRow& tableRow(Ctl c);

// `cmdNo(7)` style name of a control, as used in objectNames and scenario files.
std::string qualifiedName(Ctl c);
// Looks up "cmdNo(7)", "cmdNo_7" or "Text1"; nothing for an unknown name.
std::optional<Ctl> controlByName(std::string_view name);

// Index of the control inside its array (0 for a single control).
int arrayIndex(Ctl c);
bool isMember(Ctl c, std::string_view arrayName);

enum class Menu : std::uint8_t {
    Edit, copy, paste, delete_,
    View, Superscientific, General, StandardDeviation,
    Help, Helptopics, WhatsThisMode, sep, AboutCalculator,
    whatisthis, what,
    formulae, Mathematical, sin22,
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
