// Click actions of the number-base group, the word-size buttons and the letter keys.
#pragma once

#include "engine/actions.h"

namespace velmor {

// The display's limit for typed characters in decimal, and on entering another base.
inline constexpr int kDecimalTypedLimit = 50;
inline constexpr int kNewBaseTypedLimit = 32;

// Any Option1 button: converts the display from the base it was in to the selected one.
void changeBase(Form& form, const Press& press);
// optDeg, optRad, optGrad outside decimal: keeps the low 32, 16 or 8 bits.
void chooseWordSize(Form& form, const Press& press);
// hexKey(0..5): appends A to F for a real press only.
void typeHexLetter(Form& form, const Press& press);

}  // namespace velmor
