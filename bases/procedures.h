// What the number bases share: which digit keys a base enables, and the
// numeral on the display without its blanks. The conversions themselves are
// numeric/radix.h.
#pragma once

#include <string_view>

namespace velmor {

struct Form;

// Enables or disables the digit keys 2 to 9 and the letter keys A to F; keys 0 and 1 stay as they are.
void Enables(Form& form, bool digitsOn, bool lettersOn);

// The numeral without the blanks around it.
std::string_view trimBlanks(std::string_view text);

}  // namespace velmor
