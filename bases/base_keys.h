// Click actions of the number-base group and the word-size buttons. The base
// and word size are the display's format (engine/display.h); the option
// buttons only show it.
#pragma once

#include "engine/actions.h"

namespace velmor {

// Any base option: converts the display from the base it was in to the chosen one.
void changeBase(Form& form, const Press& press);
// The angle-unit buttons outside decimal: Dword, Word or Byte, keeping the value.
void chooseWordSize(Form& form, const Press& press);

// Selects the base option and the word-size button of the display's format,
// with the unit buttons captioned for it.
void showFormatSelection(Form& form);

}  // namespace velmor
