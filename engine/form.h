// All calculator state: what every control shows and every form-level variable.
// Key actions are functions of this state; nothing else holds any.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/actions.h"
#include "engine/controls.h"
#include "engine/display.h"
#include "engine/list_slots.h"
#include "engine/pending.h"
#include "engine/platform.h"
#include "numeric/decimal.h"
#include "numeric/random_generator.h"

namespace velmor {

struct ControlState {
    std::string text;   // caption of a key or option, text of a text box
    bool enabled = true;
    bool visible = true;
    bool selected = false;  // option buttons
};

struct MenuState {
    bool checked = false;
};

// Window sizes of the View menu, in twips of the outer window.
struct WindowSize {
    int width = 10020;
    int height = 5685;
    bool clientSize = true;  // the design size is a client size, the views are outer sizes
};

// Operators, equals, memory, and the operand history both "Next" keys review.
struct EngineState {
    Decimal accumulator;
    BinaryOp pendingOp = BinaryOp::None;
    std::uint64_t operandsAtPending = 0;  // the display's operand count when the pending op was set
    std::array<Decimal, kHistorySlots> operandHistory{};
    double nextIndex = 0;        // shared cursor of the history, statistics and reviews
    int reviewMode = 0;          // 1 while a "Next" key steps through a list
    std::int32_t reviewCount = 0;  // slots the running review shows
    Decimal memoryValue;
};

// Number bases: the base and word size are the display's format (engine/display.h).
struct BasesState {
    Ctl decimalAngleUnit = Ctl::Degrees;  // unit to restore on the way back to Dec
};

// Scientific functions.
struct ScientificState {
    std::uint32_t randomState = math::kRandomStartState;  // the generator's running state
};

// Statistics.
struct StatsState {
    std::array<Decimal, kHistorySlots> statData{};
    double statCount = 0;
};

// User-defined formula.
struct FormulaState {
    int formulaMode = 0;
    std::string formulaText;
    int formulaCaptured = 0;
    std::array<std::string, 5> values;  // A to E as typed
    Decimal valueF;
    std::string captured;  // the formula as typed, before any value is put in
    std::string answered;  // letters given a value since the capture, in prompt order
    char promptLetter = 0;  // the letter whose value is asked for ("A =" shown), 0 for none
    bool resultShown = false;  // "OK" reads "New" while a result is on show
};

// Help and the About dialog.
struct HelpState {
    std::array<int, kControlCount> helpId{};  // run-time identifiers (option buttons change theirs)
    bool aboutOpen = false;
    bool mainEnabled = true;
};

struct Form {
    explicit Form(Platform& platform);

    Platform& platform;
    const ActionTable* actions = nullptr;  // set by the calculator that owns the form
    std::array<ControlState, kControlCount> controls;
    std::array<MenuState, kMenuCount> menus;
    WindowSize windowSize;

    Display display;  // the number on display and the base and word size it is shown in
    EngineState engine;
    BasesState bases;
    ScientificState sci;
    StatsState stats;
    FormulaState formula;
    HelpState help;

    ControlState& control(Ctl c) { return controls[toInt(c)]; }
    const ControlState& control(Ctl c) const { return controls[toInt(c)]; }
    MenuState& menu(Menu m) { return menus[static_cast<int>(m)]; }
    const MenuState& menu(Menu m) const { return menus[static_cast<int>(m)]; }

    // The text a control shows: the display's own for the display, else the control's.
    const std::string& textOf(Ctl c) const { return c == Ctl::Display ? display.text() : control(c).text; }
    bool isSelected(Ctl c) const { return control(c).selected; }
    // Outside Dec the angle-unit buttons choose the word size instead.
    bool unitsChooseWordSizes() const { return !display.format().decimal(); }
    // Whether a value reached the display since the pending operation was set.
    bool operandSincePending() const { return display.operandCount() != engine.operandsAtPending; }
    // Selects one option of a group and clears the others of that group.
    void selectOption(Ctl c);
};

}  // namespace velmor
