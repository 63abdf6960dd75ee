#include "numeric/errors.h"

namespace velmor {

std::string errorDescription(ErrCode code) {
    switch (code) {
        case ErrCode::InvalidCall: return "Invalid procedure call or argument";
        case ErrCode::Overflow: return "Overflow";
        case ErrCode::Subscript: return "Subscript out of range";
        case ErrCode::DivByZero: return "Division by zero";
        case ErrCode::TypeMismatch: return "Type mismatch";
    }
    return "Application-defined or object-defined error";
}

std::string errorTextJoined(ErrCode code) {
    return std::to_string(static_cast<int>(code)) + errorDescription(code);
}

}  // namespace velmor
