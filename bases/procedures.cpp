#include "bases/procedures.h"

#include "engine/form.h"
#include "numeric/numtext.h"
#include "numeric/radix.h"

namespace velmor {

void Enables(Form& form, bool digitsOn, bool lettersOn) {
    for (int digit = 2; digit <= 9; ++digit) form.control(digitKey(digit)).enabled = digitsOn;
    for (int letter = 0; letter < 6; ++letter) form.control(hexKey(letter)).enabled = lettersOn;
}

void decbin(Form& form, Decimal value) { form.display() = radix::binaryText(value); }

void Octdeci(Form& form) {
    form.display() = numberText(radix::readOctal(trimBlanks(form.display())));
}

void binDec(Form& form, std::string_view binaryNumeral) {
    form.display() = numberText(radix::readBinary(trimBlanks(binaryNumeral)));
}

void Hexdeci(Form& form, std::string_view hexNumeral) {
    const std::int32_t value = radix::readHex(trimBlanks(hexNumeral));
    form.control(Ctl::WorkValue).text = radix::binaryText(value);
    form.display() = numberText(value);
}

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

}  // namespace velmor
