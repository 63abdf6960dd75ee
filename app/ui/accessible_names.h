// What a screen reader says for each control: a short name ("Sine") and one
// sentence describing what the control does.
#pragma once

#include <string_view>

#include "engine/controls.h"

class QWidget;

namespace velmor {

struct AccessibleText {
    std::string_view name;
    std::string_view description;
};

// `wordSizeRole` selects the second meaning of the three angle-unit buttons,
// which act as word-size selectors while a base other than decimal is chosen.
AccessibleText accessibleText(Ctl control, bool wordSizeRole = false);

void applyAccessibleText(QWidget* widget, Ctl control, bool wordSizeRole = false);

}  // namespace velmor
