// The keyboard dispatcher: one table row per typed character, tested in order.
#include <array>

#include "app/core/dispatch.h"
#include "engine/form.h"

namespace velmor {
namespace {

enum class When { Always, NotBin, DecOrHex, Hex, Dec };

struct KeyRow {
    char first, last;     // character range of the row
    When when;
    void (*run)(Form&, char);
};

bool holds(const Form& form, When when) {
    const int base = form.selectedBase();
    switch (when) {
        case When::Always: return true;
        case When::NotBin: return base != kBin;
        case When::DecOrHex: return base != kOct && base != kBin;
        case When::Hex: return base == kHex;
        case When::Dec: return base == kDec;
    }
    return false;
}

void digit(Form& form, char c) { runClick(form, digitKey(c - '0')); }

// The letter keys append only for a real press, so the keyboard writes the
// letter itself around running the key ("B" runs the key first, then writes).
void letter(Form& form, char c) {
    const Ctl key = hexKey(c - 'A');
    if (c == 'B') {
        runClick(form, key);
        form.display() += c;
    } else {
        form.display() += c;
        runClick(form, key);
    }
}

void op(Form& form, char c) {
    const int index = c == '+' ? kOpAdd : c == '-' ? kOpSub : c == '*' ? kOpMul : kOpDiv;
    runClick(form, operatorKey(index));
}

// The typed point is the "." key: after an operator or a result it starts "0.",
// so "2+.5=" gives the same 2.5 as pressing the keys.
void point(Form& form, char) { runClick(form, Ctl::Point); }

constexpr std::array<KeyRow, 11> kRows = {{
    {'0', '1', When::Always, digit},
    {'2', '7', When::NotBin, digit},
    {'8', '9', When::DecOrHex, digit},
    {'A', 'F', When::Hex, letter},
    {'+', '+', When::Always, op},
    {'-', '-', When::Always, op},
    {'*', '*', When::Always, op},
    {'/', '/', When::Always, op},
    {'.', '.', When::Dec, point},  // Hex, Oct and Bin hold whole numbers
    {'=', '=', When::Always, [](Form& f, char) { runClick(f, Ctl::Equals); }},
    {'\b', '\b', When::Always, [](Form& f, char) { runClick(f, Ctl::Backspace); }},
}};

}  // namespace

bool routesKeys(Ctl control) {
    return control != Ctl::WorkValue && control != Ctl::FormulaPrompt && tableRow(control).kind != Kind::Frame;
}

bool dispatchKey(Form& form, int keyAscii) {
    if (keyAscii <= 0 || keyAscii > 127) return false;
    const char c = static_cast<char>(keyAscii);
    for (const KeyRow& row : kRows) {
        if (c < row.first || c > row.last) continue;
        if (!holds(form, row.when)) continue;
        row.run(form, c);
        return true;
    }
    return false;
}

}  // namespace velmor
