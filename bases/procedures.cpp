#include "bases/procedures.h"

#include "engine/form.h"

namespace velmor {

void Enables(Form& form, bool digitsOn, bool lettersOn) {
    for (int digit = 2; digit <= 9; ++digit) form.control(digitKey(digit)).enabled = digitsOn;
    for (int letter = 0; letter < 6; ++letter) form.control(hexKey(letter)).enabled = lettersOn;
}

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

}  // namespace velmor
