// The message-box texts of a failure: its error number and its usual
// description ("Overflow", "Type mismatch"), the description in the user's language.
#pragma once

#include <string>

#include "numeric/errors.h"

namespace velmor {

struct Form;

// The number joined to the description: "6Overflow" (base changes, formula
// entry and the extended functions).
std::string errorTextJoined(const Form& form, ErrCode code);
// The number, three spaces and the description: "6   Overflow" (the statistics keys).
std::string errorTextSpaced(const Form& form, ErrCode code);

}  // namespace velmor
