#include "robustness/walk.h"

#include <chrono>
#include <cmath>
#include <ctime>

#include "formula/formula_state.h"
#include "numeric/numtext.h"
#include "stats/stats_state.h"

namespace velmor::walk {
namespace {

// Texts a user might paste on purpose or by accident.
const std::vector<std::string>& hostileTexts() {
    static const std::vector<std::string> texts = {
        "", "1E400", "-1E400", "-1E-400", "1E-400", "&HFFFFFFFFFFFF", "&O777777777777", "&HFFFFFFFF",
        "NaN", "Infinity", "-Infinity", "1.#INF", "1.#QNAN", "12abc", "FF", "1234ABCD", "37777777777",
        "11111111111111111111111111111111", "Result = 19", "A+B*C", "(A-B)/0", "Ax^2+B1/x",
        "line one\nline two", "\t\r\x01\x7f", std::string("\xff\xfe\x80", 3), "1,234.5", " 1 2 ",
        "9.99999999999999E+307", "-2147483648", "4294967296", "0.0000001", "170", "171", "1000",
        "-0", "Error :overflow", "2.5", "-1", "0.5", "90", "100"};
    return texts;
}

constexpr std::array<Menu, 8> kMenus = {Menu::Copy, Menu::Paste, Menu::Delete, Menu::General,
                                        Menu::SuperScientific, Menu::StandardDeviation,
                                        Menu::HelpTopics, Menu::WhatIsThis};

// Not a speed limit (bench/ and docs/PERFORMANCE.md hold those): an action that
// spins for this long has hung, and the walk then reports it with the shortest
// sequence instead of being killed without one. It counts this thread's processor
// time, which other programs on a busy machine do not add to; the sanitizer build
// runs several times slower by design.
#ifdef VELMOR_SANITIZED
constexpr auto kHungActionTime = std::chrono::seconds(8);
#else
constexpr auto kHungActionTime = std::chrono::seconds(2);
#endif

std::chrono::nanoseconds threadProcessorTime() {
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

bool contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

// Keys that append to whatever the display holds; they write no result.
bool isEntryKey(Ctl c) {
    return c == Ctl::Point || c == Ctl::Backspace || c == Ctl::OpenParen || c == Ctl::CloseParen;
}

bool isResultText(const std::string& text) {
    for (const char* known : {"", "Error :overflow", "error :positive infinity", "Infinity", "Invalid : input",
                              "Divide by zero error", "Invalid: input ", "Error"})
        if (text == known) return true;
    return false;
}

// A numeral as the calculator writes it: digits of the radix without leading
// zeros, whose value fits the word.
bool isWordNumeral(const std::string& text, int radix, int bits) {
    if (text.empty() || text.size() > 32 || (text.size() > 1 && text[0] == '0')) return false;
    std::uint64_t value = 0;
    for (char c : text) {
        const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : 99;
        if (digit >= radix) return false;
        value = value * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(digit);
    }
    return value < (std::uint64_t{1} << bits);
}

}  // namespace

std::string describe(const Action& a) {
    const auto name = [&] { return qualifiedName(static_cast<Ctl>(a.target)); };
    switch (a.kind) {
        case Kind::Click: return "click " + name();
        case Kind::Type: return "type code " + std::to_string(a.code) + " on " + name();
        case Kind::RightPress: return "rightclick " + name();
        case Kind::RightMove: return "move " + name() + " right";
        case Kind::Menu: return "menu " + std::string(tableRow(static_cast<Menu>(a.target)).name);
        case Kind::Paste: return "paste of " + std::to_string(a.text.size()) + " bytes: " + a.text.substr(0, 40);
        case Kind::Edit: return "edit display to " + a.text.substr(0, 40);
        case Kind::HelpKey: return "key F1 on " + name();
    }
    return "?";
}

Action randomAction(std::mt19937_64& rng) {
    const auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<std::uint64_t>(n)); };
    Action a{Kind::Click, 0, 0, {}};
    const int roll = pick(100);
    a.target = pick(kControlCount);
    if (roll < 55) return a;
    if (roll < 75) {
        a.kind = Kind::Type;
        a.code = pick(3) == 0 ? pick(32) : 32 + pick(96);
        return a;
    }
    if (roll < 79) { a.kind = Kind::RightPress; return a; }
    if (roll < 81) { a.kind = Kind::RightMove; return a; }
    if (roll < 83) { a.kind = Kind::HelpKey; return a; }
    if (roll < 89) {
        a.kind = Kind::Menu;
        a.target = static_cast<int>(kMenus[static_cast<size_t>(pick(static_cast<int>(kMenus.size())))]);
        return a;
    }
    if (roll < 97) {
        a.kind = Kind::Paste;
        const int which = pick(static_cast<int>(hostileTexts().size()) + 1);
        a.text = which < static_cast<int>(hostileTexts().size()) ? hostileTexts()[static_cast<size_t>(which)]
                                                                 : std::string(1 << 20, static_cast<char>('0' + pick(10)));
        return a;
    }
    a.kind = Kind::Edit;
    a.text = hostileTexts()[static_cast<size_t>(pick(static_cast<int>(hostileTexts().size())))];
    return a;
}

Session::Session() = default;

std::optional<std::string> Session::step(const Action& a) {
    const auto started = threadProcessorTime();
    const std::string before = calc_.form().display.text().size() < 200 ? calc_.form().display.text() : std::string();
    const Ctl target = static_cast<Ctl>(a.target);
    switch (a.kind) {
        case Kind::Click: calc_.click(target); break;
        case Kind::Type: calc_.keyPress(a.code); break;
        case Kind::RightPress: calc_.mousePress(target, kRightButton); break;
        case Kind::RightMove: calc_.mouseMove(target, kRightButton); break;
        case Kind::HelpKey: calc_.helpKey(target); break;
        case Kind::Menu: calc_.menu(static_cast<Menu>(a.target)); break;
        case Kind::Paste:
            platform_.clipboard = a.text;
            calc_.menu(Menu::Paste);
            break;
        case Kind::Edit: calc_.displayEdited(a.text); break;
    }
    // The platform would deliver the queued F1 to the control that took the focus.
    while (platform_.queuedHelpKeys > 0) {
        --platform_.queuedHelpKeys;
        if (platform_.focus) calc_.helpKey(*platform_.focus);
    }
    if (platform_.focus) focus_ = *platform_.focus;
    if (auto broken = checkWrittenNumeral(before, a)) return broken;
    const auto spent = threadProcessorTime() - started;
    if (spent > kHungActionTime)
        return "spun " + std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(spent).count()) +
               " ms of processor time";
    return checkInvariants();
}

std::optional<std::string> Session::checkInvariants() const {
    const Form& f = calc_.form();
    if (calc_.escapedFailures() != 0) return "a failure escaped its key action";
    const std::string& d = f.display.text();
    // The calculator's own error text for a division by zero is the one allowed "inf",
    // also when Backspace has shortened it.
    std::string shown = d.size() < 200 ? d : std::string();
    if (const auto at = shown.find("error :positive inf"); at != std::string::npos) shown.erase(at, 19);
    if (contains(shown, "inf") || contains(shown, "nan") || contains(shown, "e+"))
        return "display shows \"" + d + "\"";
    if (!f.engine.memoryValue.isFinite()) return "memory is not finite";
    if (!(f.engine.nextIndex >= 0)) return "nextIndex is negative";
    if (!(statsState(f).statCount >= 0 && statsState(f).statCount <= kHistorySlots)) return "statistics count out of range";
    for (int i = static_cast<int>(statsState(f).statCount); i < kHistorySlots; ++i)
        if (!statsState(f).statData[static_cast<size_t>(i)].isZero()) return "statistics list written beyond its count";
    int bases = 0, units = 0;
    for (int i = 0; i < 4; ++i) bases += f.isSelected(baseOption(i));
    for (Ctl u : {Ctl::Degrees, Ctl::Radians, Ctl::Grads}) units += f.isSelected(u);
    if (bases != 1 || units != 1) return "not exactly one base and one unit selected";
    const int base = f.display.format().base;
    if (!f.isSelected(baseOption(base))) return "the base options do not show the display's base";
    for (int i = 2; i <= 9; ++i) {
        const bool allowed = base == kHex || base == kDec || (base == kOct && i < 8);
        if (!allowed && f.control(digitKey(i)).enabled) return "digit " + std::to_string(i) + " enabled in this base";
    }
    if (base != kHex && base != kDec)
        for (int i = 0; i < 6; ++i)
            if (f.control(hexKey(i)).enabled) return "letter key enabled outside Hex";
    const bool open = f.control(Ctl::StatAdd).enabled;
    for (Ctl c : {Ctl::StatNext, Ctl::StatCount, Ctl::StatSum, Ctl::StatSumSquares, Ctl::StatSumCubes,
                  Ctl::StatMean, Ctl::StatPopulationDeviation, Ctl::StatSampleDeviation, Ctl::StatClear})
        if (f.control(c).enabled != open) return "statistics keys enabled apart";
    return std::nullopt;
}

std::optional<std::string> Session::checkWrittenNumeral(const std::string& before, const Action& a) const {
    const Form& f = calc_.form();
    const Ctl key = static_cast<Ctl>(a.target);
    if (a.kind != Kind::Click || isEntryKey(key) || formulaState(f).formulaMode == 1) return std::nullopt;
    const int base = f.display.format().base;
    // A text of 200 characters or more is pasted, never written by a key.
    if (base == kDec || f.display.text().size() >= 200 || f.display.text() == before || isResultText(f.display.text()))
        return std::nullopt;
    const int radix = base == kHex ? 16 : base == kOct ? 8 : 2;
    const int bits = f.display.format().wordBits;
    if (isWordNumeral(f.display.text(), radix, bits)) return std::nullopt;
    return qualifiedName(key) + " wrote \"" + f.display.text().substr(0, 40) + "\", no numeral of the word";
}

std::optional<std::string> replay(const std::vector<Action>& actions) {
    Session session;
    for (const Action& a : actions)
        if (auto broken = session.step(a)) return broken;
    return std::nullopt;
}

std::vector<Action> shorten(std::vector<Action> actions) {
    for (size_t chunk = actions.size() / 2; chunk >= 1; chunk /= 2) {
        for (size_t start = 0; start + chunk <= actions.size();) {
            std::vector<Action> fewer(actions.begin(), actions.begin() + static_cast<long>(start));
            fewer.insert(fewer.end(), actions.begin() + static_cast<long>(start + chunk), actions.end());
            if (replay(fewer)) actions = std::move(fewer);
            else start += chunk;
        }
    }
    return actions;
}

}  // namespace velmor::walk
