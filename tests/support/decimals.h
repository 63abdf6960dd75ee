// Decimal values for test tables written with plain number literals: each
// literal means the decimal it is written as (0.1 is exactly 0.1).
#pragma once

#include <initializer_list>
#include <vector>

#include "numeric/decimal.h"

namespace velmor::testing {

// A table cell that takes an int or a double literal.
struct Num {
    Num(int v) : value(v) {}                               // NOLINT: literal tables
    Num(double v) : value(Decimal::fromDouble(v)) {}       // NOLINT: literal tables
    operator Decimal() const { return value; }             // NOLINT
    Decimal value;
};

inline std::vector<Decimal> decimals(const std::vector<double>& values) {
    std::vector<Decimal> out;
    for (double v : values) out.push_back(Decimal::fromDouble(v));
    return out;
}

}  // namespace velmor::testing
