// The statistics results (sums, mean, standard deviations) and the
// natural-number sums of the extra keys.
#pragma once

#include "engine/actions.h"

namespace velmor {

void showSum(Form& form, const Press& press);                // Σx, Σx², Σx³
void showMean(Form& form, const Press& press);               // x̄
void showPopulationStdDev(Form& form, const Press& press);   // σ
void showSampleStdDev(Form& form, const Press& press);       // "S"
void showNaturalSum(Form& form, const Press& press);         // integerSumKey(0..2)

}  // namespace velmor
