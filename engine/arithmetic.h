// The checked double arithmetic of the operator keys: each function returns a
// finite value or throws the CalcError that decides what the display shows.
#pragma once

namespace velmor {

double checkedSum(double a, double b);
double checkedDifference(double a, double b);
double checkedProduct(double a, double b);
// DivByZero for a non-zero value over 0; Overflow for 0 / 0.
double checkedQuotient(double a, double b);
// InvalidCall for a negative base with a fractional exponent; DivByZero for 0
// raised to a negative power.
double checkedPower(double base, double exponent);
// Int(a) Mod Int(b), with the sign of a.
double integerRemainder(double a, double b);

}  // namespace velmor
