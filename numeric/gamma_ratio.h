// The logarithm of a quotient of two Gamma values whose arguments differ by t:
// the heart of npr and ncr for fractional or long arguments.
#pragma once

#include "numeric/decimal.h"

namespace velmor::math {

// ln Gamma(z) - ln Gamma(z - t), for z - t > 0 and t >= 0. Its absolute error
// stays a few units of the 34th digit of the result for every size of z, so
// exp of it keeps 30 good digits (1E20 npr 0.5 is 1E10 to every shown digit).
Decimal logGammaRatio(Decimal z, Decimal t);

}  // namespace velmor::math
