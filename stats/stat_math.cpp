#include "stats/stat_math.h"

#include "numeric/elementary.h"
#include "numeric/errors.h"
#include "numeric/noise.h"
#include "numeric/range.h"

namespace velmor {
namespace {

// Sums follow the rule of the + key: what only the noise of inexact terms
// leaves is 0 (sin 45 degrees and -1/sqrt 2 sum to 0), exact terms keep every
// digit (1E32, 1, -1E32 sum to 1).
Decimal unrangedSum(std::span<const Decimal> values, int power) {
    Decimal sum;
    for (Decimal v : values) {
        Decimal term = v;
        for (int i = 1; i < power; ++i) term *= v;
        sum = noiseFreeSum(sum, term);
    }
    return sum;
}

Decimal count(std::span<const Decimal> values) { return Decimal::fromInt64(static_cast<std::int64_t>(values.size())); }

// The mean as the first value plus the mean of the differences from it: equal
// values, however inexact, have exactly their value as the mean (six times
// 1/3 sum to 1.999...98, which over 6 is 3 units off 1/3), and the
// differences of nearby values keep their digits.
Decimal unrangedMean(std::span<const Decimal> values) {
    if (values.empty()) fail(ErrCode::Overflow);  // 0/0
    const Decimal first = values.front();
    Decimal differences;
    for (Decimal v : values) differences = noiseFreeSum(differences, noiseFreeDifference(v, first));
    return noiseFreeSum(first, differences / count(values));
}

// Root of the mean square deviation around the mean, with the given divisor. A
// deviation within the noise of the value and the mean is 0, so equal values
// give exactly 0.
Decimal rootMeanSquareDeviation(std::span<const Decimal> values, Decimal divisor) {
    const Decimal mean = unrangedMean(values);
    Decimal squares;
    for (Decimal v : values) {
        const Decimal deviation = noiseFreeDifference(v, mean);
        squares += deviation * deviation;
    }
    return inRange(math::squareRoot(squares / divisor));
}

}  // namespace

Decimal sumOfPowers(std::span<const Decimal> values, int power) { return inRange(unrangedSum(values, power)); }

Decimal meanOf(std::span<const Decimal> values) { return inRange(unrangedMean(values)); }

Decimal populationStdDev(std::span<const Decimal> values) {
    if (values.empty()) fail(ErrCode::Overflow);
    return rootMeanSquareDeviation(values, count(values));
}

Decimal sampleStdDev(std::span<const Decimal> values) {
    if (values.empty()) fail(ErrCode::Overflow);
    if (values.size() == 1) fail(ErrCode::DivByZero);
    return rootMeanSquareDeviation(values, count(values) - 1);
}

Decimal naturalSum(int power, Decimal n) {
    const Decimal half = (n + 1) * n / 2;
    switch (power) {
        case 1: return inRange(half);
        case 2: return inRange((n + 1) * n * (2 * n + 1) / 6);
        default: return inRange(half * half);
    }
}

}  // namespace velmor
