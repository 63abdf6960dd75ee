// Private bridge to Intel's decimal floating-point library: its headers in the
// configuration of the static library linked (arguments by value, rounding
// mode and status flags passed to each call), and conversions to Decimal.
#pragma once

#define DECIMAL_CALL_BY_REFERENCE 0
#define DECIMAL_GLOBAL_ROUNDING 0
#define DECIMAL_GLOBAL_EXCEPTION_FLAGS 0
#include <bid_conf.h>
#include <bid_functions.h>

#include "numeric/decimal.h"

namespace velmor::bid {

// Every computation rounds to nearest, halves to even.
inline constexpr _IDEC_round kNearest = BID_ROUNDING_TO_NEAREST;

inline BID_UINT128 raw(Decimal d) {
    const Decimal::Bits b = d.bits();
    BID_UINT128 r;
    r.w[0] = b.low;
    r.w[1] = b.high;
    return r;
}

// An exact value: the result of an exact operation on exact arguments.
inline Decimal wrap(BID_UINT128 r) { return Decimal::fromBits({r.w[0], r.w[1]}); }

// A result of the library: inexact when the library rounded it or when it was
// computed from an inexact argument. Of the status flags only this one counts:
// the calculator judges results by their value (range, NaN).
inline Decimal wrap(BID_UINT128 r, _IDEC_flags flags, bool argumentsExact) {
    const Decimal d = wrap(r);
    return argumentsExact && (flags & BID_INEXACT_EXCEPTION) == 0 ? d : d.markedInexact();
}

// One-argument function of the library.
template <typename F>
Decimal apply(F function, Decimal x) {
    _IDEC_flags flags = 0;
    const BID_UINT128 r = function(raw(x), kNearest, &flags);  // before the flags are read
    return wrap(r, flags, x.isExact());
}

// Two-argument function of the library.
template <typename F>
Decimal apply(F function, Decimal x, Decimal y) {
    _IDEC_flags flags = 0;
    const BID_UINT128 r = function(raw(x), raw(y), kNearest, &flags);
    return wrap(r, flags, x.isExact() && y.isExact());
}

// The same value with the exactness of `from` (for sign changes and roundings).
inline Decimal sameExactness(Decimal value, Decimal from) { return from.isExact() ? value : value.markedInexact(); }

}  // namespace velmor::bid
