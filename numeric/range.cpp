#include "numeric/range.h"

#include "numeric/errors.h"

namespace velmor {
namespace {

// Values up to this one round, halves to even, to 1.79769313486232E+308 at 15 digits.
Decimal lastRoundingDown() {
    static const Decimal value = Decimal::fromText("1.797693134862325E308");
    return value;
}

}  // namespace

Decimal largestShown() {
    static const Decimal value = Decimal::fromText("1.79769313486232E308");
    return value;
}

Decimal smallestKept() {
    static const Decimal value = Decimal::fromText("4.9406564584124654E-324");
    return value;
}

Decimal inRange(Decimal x) {
    if (x.isNaN()) fail(ErrCode::InvalidCall);
    const Decimal magnitude = abs(x);
    if (!x.isFinite() || magnitude > lastRoundingDown()) fail(ErrCode::Overflow);
    if (magnitude < smallestKept()) return Decimal().markedInexact();  // rounded to 0
    return x;
}

}  // namespace velmor
