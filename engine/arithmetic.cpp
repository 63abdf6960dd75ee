#include "engine/arithmetic.h"

#include <cmath>

#include "engine/errors.h"
#include "engine/numtext.h"

namespace velmor {
namespace {

double finite(double value) {
    if (!std::isfinite(value)) fail(ErrCode::Overflow);
    return value;
}

}  // namespace

double checkedSum(double a, double b) { return finite(a + b); }
double checkedDifference(double a, double b) { return finite(a - b); }
double checkedProduct(double a, double b) { return finite(a * b); }

double checkedQuotient(double a, double b) {
    if (b == 0) fail(a == 0 ? ErrCode::Overflow : ErrCode::DivByZero);
    return finite(a / b);
}

double checkedPower(double base, double exponent) {
    if (exponent == 0) return 1;
    if (base < 0 && std::trunc(exponent) != exponent) fail(ErrCode::InvalidCall);
    if (base == 0 && exponent < 0) fail(ErrCode::DivByZero);
    return finite(std::pow(base, exponent));
}

double integerRemainder(double a, double b) { return intMod(a, b); }

}  // namespace velmor
