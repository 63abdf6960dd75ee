// Failures a key action can meet. Conversions and computations throw a
// CalcError; each key action catches it and reports it the way that key does
// (a text in the display, a message box, or silence), so none ends the program.
#pragma once

#include <string>

namespace velmor {

enum class ErrCode : int {
    InvalidCall = 5,   // invalid procedure call or argument
    Overflow = 6,
    Subscript = 9,     // index out of range
    DivByZero = 11,
    TypeMismatch = 13,
};

struct CalcError {
    ErrCode code;
};

[[noreturn]] inline void fail(ErrCode code) { throw CalcError{code}; }

}  // namespace velmor
