#include <array>

#include "bases/base_keys.h"
#include "engine/form.h"
#include "engine/phrase.h"
#include "numeric/errors.h"

namespace velmor {
namespace {

// The angle-unit buttons outside decimal, one row per word size.
struct WordSizeButton {
    Ctl button;
    int bits;
    const char* caption;  // in decimal the control table's angle unit shows instead
};

constexpr std::array<WordSizeButton, 3> kWordSizeButtons{{
    {Ctl::Degrees, 32, QT_TRANSLATE_NOOP("Key", "Dword")},
    {Ctl::Radians, 16, QT_TRANSLATE_NOOP("Key", "Word")},
    {Ctl::Grads, 8, QT_TRANSLATE_NOOP("Key", "Byte")},
}};

const WordSizeButton& rowOf(Ctl button) {
    for (const WordSizeButton& row : kWordSizeButtons)
        if (row.button == button) return row;
    return kWordSizeButtons[0];
}

}  // namespace

// A display that holds no numeral of the word (an error text) has no value
// to keep: the word size changes and the text stays.
void chooseWordSize(Form& form, const Press& press) {
    NumberFormat format = form.display.format();
    if (format.decimal()) return;  // the buttons are angle units, read by the trigonometric keys
    format.wordBits = rowOf(press.control).bits;
    try {
        form.display.changeFormat(format);
    } catch (const CalcError&) {
        form.display.setFormatOnly(format);
    }
    showFormatSelection(form);
}

void showFormatSelection(Form& form) {
    const NumberFormat format = form.display.format();
    form.selectOption(baseOption(format.base));
    for (const WordSizeButton& row : kWordSizeButtons) {
        form.control(row.button).text = form.captionOf(format.decimal() ? tableRow(row.button).caption : row.caption);
        if (!format.decimal() && row.bits == format.wordBits) form.selectOption(row.button);
    }
}

}  // namespace velmor
