// The statistics keys report a failure they do not handle otherwise in a
// message box reading the error number, three spaces and its description.
#pragma once

#include <string>

#include "numeric/errors.h"

namespace velmor {

struct Form;

std::string numberedErrorText(ErrCode code);  // "6   Overflow"
void showErrorBox(Form& form, ErrCode code);  // no icon, OK only

}  // namespace velmor
