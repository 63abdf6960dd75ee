#include "engine/error_texts.h"

#include "engine/form.h"

namespace velmor {
namespace {

Phrase description(ErrCode code) {
    switch (code) {
        case ErrCode::InvalidCall: return VELMOR_PHRASE("Message", "Invalid procedure call or argument");
        case ErrCode::Overflow: return VELMOR_PHRASE("Message", "Overflow");
        case ErrCode::Subscript: return VELMOR_PHRASE("Message", "Subscript out of range");
        case ErrCode::DivByZero: return VELMOR_PHRASE("Message", "Division by zero");
        case ErrCode::TypeMismatch: return VELMOR_PHRASE("Message", "Type mismatch");
    }
    return VELMOR_PHRASE("Message", "Application-defined or object-defined error");
}

std::string numberOf(ErrCode code) { return std::to_string(static_cast<int>(code)); }

}  // namespace

std::string errorTextJoined(const Form& form, ErrCode code) { return numberOf(code) + form.say(description(code)); }

std::string errorTextSpaced(const Form& form, ErrCode code) {
    return numberOf(code) + "   " + form.say(description(code));
}

}  // namespace velmor
