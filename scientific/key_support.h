// What the scientific keys share: their texts, reading the display and
// showing a long-double result at the display's 15 digits.
#pragma once

#include <optional>
#include <string>

#include "engine/actions.h"

namespace velmor {

struct Form;

inline constexpr const char* kDivideByZeroText = "Divide by zero error";
inline constexpr const char* kInvalidInputText = "Invalid : input";
inline constexpr const char* kInfinityText = "Infinity";
inline constexpr const char* kOverflowText = "Error :overflow";
inline constexpr const char* kFactorialInvalidText = "Invalid: input ";
inline constexpr const char* kUnsupportedValueText =
    "This software does not support this value\r\nPlease install the latest software";

// The display read with the leading-number parse; nothing when its numeric
// prefix is beyond the double range.
std::optional<double> leadingDisplayValue(const Form& form);
// The display read with the strict conversion; nothing when it is not a number.
std::optional<double> strictDisplayValue(const Form& form);

// Rounds a long-double result to a double; Overflow beyond the double range.
double finiteResult(long double value);
// Shows a result (15 significant digits) and starts a new entry; Overflow
// beyond the double range, leaving the display alone.
void showNumber(Form& form, long double value);

// Registration of each group of keys.
void registerCircleKeys(ActionTable& table);
void registerExtendedKeys(ActionTable& table);
void registerLogarithmKeys(ActionTable& table);
void registerTwoOperandKeys(ActionTable& table);
void registerFactorialKey(ActionTable& table);
void registerRoundAndPercentKeys(ActionTable& table);
void registerRandomKey(ActionTable& table);

}  // namespace velmor
