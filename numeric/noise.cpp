#include "numeric/noise.h"

namespace velmor {
namespace {

// One unit of the last digit of a value whose leading digit is 10^exponent.
Decimal noiseAtExponent(int exponent) {
    static const Decimal kUnits = kNoiseUnits;
    return scaleByPowerOfTen(kUnits, exponent - (kWorkingDigits - 1));
}

}  // namespace

Decimal noiseOf(Decimal x) {
    if (x.isExact() || x.isZero() || !x.isFinite()) return Decimal();
    return noiseAtExponent(decimalExponent(x));
}

bool isWithinNoise(Decimal x, Decimal point) {
    if (x.isExact() || x.isNaN()) return false;
    return abs(x - point) <= noiseOf(x);
}

Decimal snappedTo(Decimal x, Decimal point) { return isWithinNoise(x, point) ? point.markedInexact() : x; }

Decimal snappedToWhole(Decimal x) {
    if (x.isExact() || !x.isFinite()) return x;
    return snappedTo(x, roundHalfEven(x));
}

Decimal snappedToUnit(Decimal x) { return snappedTo(x, x.isNegative() ? -1 : 1); }

Decimal zeroWithin(Decimal value, Decimal noise) {
    if (noise.isZero() || !value.isFinite() || abs(value) > noise) return value;
    return Decimal().markedInexact();
}

// Exact operands carry no noise: their sum is taken as it is, at no extra cost.
Decimal noiseFreeSum(Decimal a, Decimal b) {
    if (a.isExact() && b.isExact()) return a + b;
    return zeroWithin(a + b, noiseOf(a) + noiseOf(b));
}

Decimal noiseFreeDifference(Decimal a, Decimal b) {
    if (a.isExact() && b.isExact()) return a - b;
    return zeroWithin(a - b, noiseOf(a) + noiseOf(b));
}

Decimal roundToWhole(Decimal x) {
    if (x.isExact() || !x.isFinite()) return roundHalfEven(x);
    static const Decimal kHalf = Decimal::fromText("0.5");
    const Decimal nearestHalf = roundHalfEven(x * 2) * kHalf;
    return roundHalfEven(snappedTo(x, nearestHalf));
}

}  // namespace velmor
