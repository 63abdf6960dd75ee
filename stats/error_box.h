// The statistics keys report a failure they do not handle otherwise in a
// message box reading the error number, three spaces and its description.
#pragma once

#include <string>

#include "numeric/errors.h"

namespace velmor {

struct Form;

// The error number, three spaces and its description: "6   Overflow".
std::string errorTextSpaced(ErrCode code);
void showErrorBox(Form& form, ErrCode code);  // no icon, OK only

}  // namespace velmor
