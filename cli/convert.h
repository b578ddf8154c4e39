// merovane-convert: the command-line face of the converters. It runs the very conversions the
// window runs, through libmerovane's public API, exactly as a click in a unit list would.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace merovane {

// Runs the tool on `arguments` (without the program name), with `in` as its standard input;
// returns the exit code: 0 done, 1 a conversion failed, had nothing to convert, or input or output
// failed, 2 a wrong call.
int runconvert(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
               std::ostream& err);
// The same with nothing on standard input.
int runconvert(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// Runs the tool as main does: runconvert, then a check that all of the output was written; when
// it was not, says so on `err` and returns 1.
int runprogram(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
               std::ostream& err);

}  // namespace merovane
