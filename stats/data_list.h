// The statistics data list: opening and closing statistics, entering values,
// reviewing them and counting them.
#pragma once

#include <span>

#include "engine/actions.h"
#include "engine/texts.h"
#include "numeric/decimal.h"

namespace velmor {

struct Form;

// The values entered so far, in entry order.
std::span<const Decimal> enteredValues(const Form& form);

void openStatistics(Form& form, const Press& press);   // "Stat"
void enterValue(Form& form, const Press& press);       // "Dat"
void reviewValues(Form& form, const Press& press);     // "Next"
void showCount(Form& form, const Press& press);        // "n"
void clearStatistics(Form& form, const Press& press);  // "C"

}  // namespace velmor
