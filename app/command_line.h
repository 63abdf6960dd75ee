// The program's command line: --help and --version are answered on the terminal
// before any window system is touched; anything else but the toolkit's own
// options is refused.
#pragma once

#include <optional>

namespace velmor {

// Before the application object exists: the exit code when the command line
// asked for help or the version (already printed), nothing to go on and start.
std::optional<int> answerOnTerminal(int argc, char* argv[]);

// After the application object has taken its own options: the exit code when
// arguments are left that the program does not know (the error already printed).
std::optional<int> refuseUnknownArguments();

}  // namespace velmor
