// What the scientific keys share: their texts and showing a function's value.
#pragma once

#include "engine/actions.h"
#include "engine/texts.h"
#include "numeric/decimal.h"

namespace velmor {

struct Form;

// Shows a function's value. Outside Dec a value beyond the word shows the
// overflow text, as the operator keys do; in Dec a value beyond the range
// throws Overflow, for each key to report its own way.
void showFunctionValue(Form& form, Decimal value);

// Registration of each group of keys.
void registerCircleKeys(ActionTable& table);
void registerExtendedKeys(ActionTable& table);
void registerLogarithmKeys(ActionTable& table);
void registerTwoOperandKeys(ActionTable& table);
void registerFactorialKey(ActionTable& table);
void registerRoundAndPercentKeys(ActionTable& table);
void registerRandomKey(ActionTable& table);

}  // namespace velmor
