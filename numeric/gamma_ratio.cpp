#include "numeric/gamma_ratio.h"

#include <array>

#include "numeric/elementary.h"

namespace velmor::math {
namespace {

// From this argument on, six terms of Stirling's series give ln Gamma to far
// better than 1E-34 (the first term left out is below 1E-43 at 1500). Below it, the
// two log-Gamma values are small enough (ln Gamma(1500) is 9470) that their
// difference keeps 30 digits after the decimal point's 4.
constexpr int kStirlingFrom = 1500;

// The coefficients B(2k) / (2k (2k - 1)) of Stirling's series, k = 1 ... 6.
const std::array<Decimal, 6>& stirlingCoefficients() {
    static const std::array<Decimal, 6> values = {
        Decimal(1) / 12, Decimal(-1) / 360,   Decimal(1) / 1260,
        Decimal(-1) / 1680, Decimal(1) / 1188, Decimal(-691) / 360360,
    };
    return values;
}

// The sum over k of c(k) (z^(1 - 2k) - w^(1 - 2k)): the series' terms of
// ln Gamma(z) - ln Gamma(w), each difference taken directly.
Decimal seriesDifference(Decimal z, Decimal w) {
    const Decimal zSquared = z * z, wSquared = w * w;
    Decimal zPower = 1 / z, wPower = 1 / w, sum;
    for (const Decimal& c : stirlingCoefficients()) {
        sum += c * (zPower - wPower);
        zPower /= zSquared;
        wPower /= wSquared;
    }
    return sum;
}

}  // namespace

// With w = z - t, Stirling's ln Gamma(x) = (x - 1/2) ln x - x + ln(2 pi) / 2 + series
// gives ln Gamma(z) - ln Gamma(w) = t ln z + (w - 1/2) ln(z / w) - t + series
// difference: no two large numbers are subtracted, unlike the two log-Gamma
// values of a huge z (at 1E20 they are 4.5E21, and their 34 digits end at the
// 1E-12 place).
Decimal logGammaRatio(Decimal z, Decimal t) {
    const Decimal w = z - t;
    if (w < kStirlingFrom) return logGamma(z) - logGamma(w);
    static const Decimal kHalf = Decimal::fromText("0.5");
    return t * naturalLog(z) + (w - kHalf) * logOnePlus(t / w) - t + seriesDifference(z, w);
}

}  // namespace velmor::math
