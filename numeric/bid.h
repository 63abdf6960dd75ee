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

inline Decimal wrap(BID_UINT128 r) { return Decimal::fromBits({r.w[0], r.w[1]}); }

// One-argument function of the library, with its flags discarded: the
// calculator judges results by their value (range, NaN), not by flags.
template <typename F>
Decimal apply(F function, Decimal x) {
    _IDEC_flags flags = 0;
    return wrap(function(raw(x), kNearest, &flags));
}

}  // namespace velmor::bid
