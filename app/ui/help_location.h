// Where the help file is found: beside the program in the build tree, in the
// installed data folder otherwise.
#pragma once

#include <QString>

namespace velmor {

// The data folder relative to an installed program's folder (bin/).
inline constexpr const char* kInstalledHelpFolder = "../share/velmor-calculator";

// The folder that holds the help file for a program in `programFolder`: the
// program's own folder when the file is there, else the installed data folder
// when the file is there, else the program's own folder (whose missing file
// the help viewer then reports).
QString helpFolder(const QString& programFolder);

}  // namespace velmor
