// The statistics keys report a failure they do not handle otherwise in a
// message box reading the error number, three spaces and its description.
#pragma once

#include "numeric/errors.h"

namespace velmor {

struct Form;

void showErrorBox(Form& form, ErrCode code);  // no icon, OK only

}  // namespace velmor
