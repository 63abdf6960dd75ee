// The keyboard dispatcher: one table row per typed character or range. A typed
// character works its key as a click would, so a key the calculator disabled
// refuses it too; the enabling rules live with the keys, not here.
#include <array>
#include <optional>

#include "app/core/dispatch.h"
#include "engine/form.h"
#include "formula/formula_entry.h"

namespace velmor {
namespace {

struct KeyRow {
    char first, last;  // character range of the row
    Ctl firstKey;      // the key of `first`; the range maps onto consecutive keys
};

constexpr std::array<KeyRow, 9> kRows = {{
    {'0', '9', Ctl::Digit0},
    {'A', 'F', Ctl::HexA},  // capitals only, as the keys show them
    {'+', '+', Ctl::Plus},
    {'-', '-', Ctl::Minus},
    {'*', '*', Ctl::Multiply},
    {'/', '/', Ctl::Divide},
    {'.', '.', Ctl::Point},  // after an operator or a result it starts "0."
    {'=', '=', Ctl::Equals},
    {'\b', '\b', Ctl::Backspace},
}};

}  // namespace

bool routesKeys(Ctl control) {
    return control != Ctl::WorkValue && control != Ctl::FormulaPrompt && tableRow(control).kind != Kind::Frame;
}

std::optional<Ctl> keyOfCharacter(const Form& form, int keyAscii) {
    if (keyAscii <= 0 || keyAscii > 127) return std::nullopt;
    const char c = static_cast<char>(keyAscii);
    for (const KeyRow& row : kRows) {
        if (c < row.first || c > row.last) continue;
        const Ctl key = row.firstKey + (c - row.first);
        // The letters are a formula's variables only from the mouse.
        if (inGroup(key, Group::HexLetters) && typingFormula(form)) return std::nullopt;
        return key;
    }
    return std::nullopt;
}

}  // namespace velmor
