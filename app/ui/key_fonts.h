// The fonts of the window's font roles, mapped to families that are installed.
#pragma once

#include <QFont>
#include <QStringList>

#include "engine/controls.h"

namespace velmor {

// The designed font of a role: Arial Black 9.75 pt for the digits and the display,
// Times New Roman 10 pt for the other keys, Symbol 12 pt for π and σ. A family
// that is not installed is replaced by a metric-compatible one that is.
QFont fontFor(FontRole role);

// The first of `preferred` that is installed, else the last one listed.
QString installedFamily(const QStringList& preferred);

}  // namespace velmor
