// The window program's start: its command line, read before anything needs a display.
#pragma once

#include <optional>

namespace merovane {

// Answers --help and --version on standard output (status 0) and refuses unknown options and
// arguments (status 2). Returns the status to end with, or nothing when the window is to open.
// Needs no display.
std::optional<int> readcommandline(int& argc, char** argv);

}  // namespace merovane
