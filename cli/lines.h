// merovane-convert on standard input: one result line for each line read, an empty one where the
// line did not convert, and the failures on the error stream with their line numbers.
#pragma once

#include <iosfwd>
#include <optional>

#include "merovane/merovane.h"

namespace merovane {

// Values of one pair, a line each, converted as `options` ask. Returns the exit status.
int convertlines(const Pair& pair, const Options& options, std::istream& in, std::ostream& out,
                 std::ostream& err);

// Whole requests, [CATEGORY] VALUE FROM TO a line, within `category` when one is given, each
// converted as `options` ask. Returns the exit status.
int convertrequests(const std::optional<Category>& category, const Options& options,
                    std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace merovane
