// What the scientific keys share: their texts and reading the display.
#pragma once

#include <optional>
#include <string>

#include "engine/actions.h"
#include "engine/display_value.h"
#include "engine/texts.h"
#include "numeric/decimal.h"

namespace velmor {

struct Form;

// The display read with the leading-number parse (the full value behind a
// result); nothing when its numeric prefix is beyond the range.
std::optional<Decimal> leadingDisplayValue(const Form& form);
// The display read with the strict conversion; nothing when it is not a number.
std::optional<Decimal> strictDisplayValue(const Form& form);

// Registration of each group of keys.
void registerCircleKeys(ActionTable& table);
void registerExtendedKeys(ActionTable& table);
void registerLogarithmKeys(ActionTable& table);
void registerTwoOperandKeys(ActionTable& table);
void registerFactorialKey(ActionTable& table);
void registerRoundAndPercentKeys(ActionTable& table);
void registerRandomKey(ActionTable& table);

}  // namespace velmor
