#include "stats/stat_math.h"

#include <algorithm>
#include <cmath>

#include "engine/errors.h"

namespace velmor {
namespace {

double checkedFinite(double value) {
    if (!std::isfinite(value)) fail(ErrCode::Overflow);
    return value;
}

// The plain mean can miss equal values by one unit in the last place (three
// times 0.1 sums to 0.30000000000000004); one correction pass over the
// residuals brings it back, so equal values have deviations of exactly 0.
double refinedMean(std::span<const double> values) {
    const double mean = meanOf(values);
    double residual = 0;
    for (double v : values) residual += v - mean;
    const double refined = mean + residual / static_cast<double>(values.size());
    return std::isfinite(refined) ? refined : mean;
}

// Sum of squared deviations divided by `divisor`, square-rooted. The
// deviations are scaled by a power of two first, which is exact, so values
// near the top of the range do not overflow when squared.
double rootMeanSquareDeviation(std::span<const double> values, double mean, double divisor) {
    double largest = 0;
    for (double v : values) largest = std::max(largest, std::fabs(checkedFinite(v - mean)));
    if (largest == 0) return 0;
    const double scale = std::ldexp(1.0, std::ilogb(largest));
    double squares = 0;
    for (double v : values) {
        const double d = (v - mean) / scale;
        squares += d * d;
    }
    return checkedFinite(scale * std::sqrt(squares / divisor));
}

}  // namespace

double sumOfPowers(std::span<const double> values, double power) {
    double sum = 0;
    for (double v : values) sum += std::pow(v, power);
    return checkedFinite(sum);
}

double meanOf(std::span<const double> values) {
    if (values.empty()) fail(ErrCode::Overflow);  // 0/0
    return checkedFinite(sumOfPowers(values, 1.0) / static_cast<double>(values.size()));
}

double populationStdDev(std::span<const double> values) {
    const double mean = refinedMean(values);
    return rootMeanSquareDeviation(values, mean, static_cast<double>(values.size()));
}

double sampleStdDev(std::span<const double> values) {
    const double mean = refinedMean(values);
    if (values.size() == 1) fail(ErrCode::DivByZero);
    return rootMeanSquareDeviation(values, mean, static_cast<double>(values.size() - 1));
}

double naturalSum(int k, double n) {
    const double half = (n + 1) * n / 2;
    switch (k) {
        case 0: return checkedFinite(half);
        case 1: return checkedFinite(((n + 1) * n) * (2 * n + 1) / 6);
        default: return checkedFinite(std::pow(half, 2.0));
    }
}

}  // namespace velmor
