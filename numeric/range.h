// The range of values the calculator shows and keeps: the range of the binary
// doubles it has always shown, read at the display's 15 digits.
#pragma once

#include "numeric/decimal.h"

namespace velmor {

// The largest magnitude the display shows: 1.79769313486232E+308.
Decimal largestShown();
// The smallest double's magnitude, 4.9406564584124654E-324: anything smaller is 0.
Decimal smallestKept();

// A value a key may show or keep: the value itself; 0 for a magnitude below
// smallestKept(); Overflow when its 15-digit rounding exceeds largestShown()
// (or it is infinite); InvalidCall for NaN, the result of an operation that
// has no value.
Decimal inRange(Decimal x);

}  // namespace velmor
