// All calculator state: what every control shows, the display, the engine's
// own variables and one slot for each part's state. Key actions are functions
// of this state; nothing else holds any.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/actions.h"
#include "engine/controls.h"
#include "engine/display.h"
#include "engine/list_slots.h"
#include "engine/pending.h"
#include "engine/platform.h"
#include "numeric/decimal.h"

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

// The state a part keeps for itself. Each part defines its own in its folder
// (bases/bases_state.h, stats/stats_state.h, ...) with an accessor beside it;
// the calculator that composes the parts gives the form one of each.
struct PartState {
    virtual ~PartState() = default;
};

enum class Part : std::uint8_t { Bases, Scientific, Statistics, Formula, Help, Count };

struct Form {
    explicit Form(Platform& platform);

    Platform& platform;
    const ActionTable* actions = nullptr;  // set by the calculator that owns the form
    std::array<ControlState, kControlCount> controls;
    std::array<MenuState, kMenuCount> menus;
    WindowSize windowSize;

    Display display;  // the number on display and the base and word size it is shown in
    EngineState engine;
    std::array<std::unique_ptr<PartState>, static_cast<int>(Part::Count)> parts;

    PartState& part(Part p) { return *parts[static_cast<int>(p)]; }
    const PartState& part(Part p) const { return *parts[static_cast<int>(p)]; }
    ControlState& control(Ctl c) { return controls[toInt(c)]; }
    const ControlState& control(Ctl c) const { return controls[toInt(c)]; }
    MenuState& menu(Menu m) { return menus[static_cast<int>(m)]; }
    const MenuState& menu(Menu m) const { return menus[static_cast<int>(m)]; }

    // A phrase in the user's language.
    std::string say(Phrase phrase) const { return platform.translate(phrase); }
    // A caption of the control table in the user's language.
    std::string captionOf(std::string_view caption) const;
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
