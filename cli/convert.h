// merovane-convert: the command-line face of the converters. It runs the very conversions the
// window runs, on in-memory controls, exactly as a click in a unit list would.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace merovane {

// Runs the tool on `arguments` (without the program name); returns the exit code: 0 done,
// 1 a conversion failed or had nothing to convert, 2 a wrong call.
int runconvert(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace merovane
