// Images the window draws itself: the statistics key faces and the program icon.
#pragma once

#include <QIcon>

#include "engine/controls.h"

namespace velmor {

QIcon statisticsPicture(Picture picture);
QIcon calculatorIcon();

}  // namespace velmor
