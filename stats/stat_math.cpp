#include "stats/stat_math.h"

#include "numeric/elementary.h"
#include "numeric/errors.h"
#include "numeric/range.h"

namespace velmor {
namespace {

Decimal unrangedSum(std::span<const Decimal> values, int power) {
    Decimal sum;
    for (Decimal v : values) {
        Decimal term = v;
        for (int i = 1; i < power; ++i) term *= v;
        sum += term;
    }
    return sum;
}

Decimal unrangedMean(std::span<const Decimal> values) {
    if (values.empty()) fail(ErrCode::Overflow);  // 0/0
    return unrangedSum(values, 1) / Decimal::fromInt64(static_cast<std::int64_t>(values.size()));
}

// Root of the mean square deviation around the mean, with the given divisor.
Decimal rootMeanSquareDeviation(std::span<const Decimal> values, Decimal divisor) {
    const Decimal mean = unrangedMean(values);
    Decimal squares;
    for (Decimal v : values) squares += (v - mean) * (v - mean);
    return inRange(math::squareRoot(squares / divisor));
}

}  // namespace

Decimal sumOfPowers(std::span<const Decimal> values, int power) { return inRange(unrangedSum(values, power)); }

Decimal meanOf(std::span<const Decimal> values) { return inRange(unrangedMean(values)); }

Decimal populationStdDev(std::span<const Decimal> values) {
    if (values.empty()) fail(ErrCode::Overflow);
    return rootMeanSquareDeviation(values, Decimal::fromInt64(static_cast<std::int64_t>(values.size())));
}

Decimal sampleStdDev(std::span<const Decimal> values) {
    if (values.empty()) fail(ErrCode::Overflow);
    if (values.size() == 1) fail(ErrCode::DivByZero);
    return rootMeanSquareDeviation(values, Decimal::fromInt64(static_cast<std::int64_t>(values.size() - 1)));
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
