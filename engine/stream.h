// Many values of one pair from a stream: one line in, one line out.
#pragma once

#include <iosfwd>

#include "engine/conversion.h"
#include "merovane/merovane.h"

namespace merovane {

// Reads `in` one line at a time (see LineReader) and writes to `out` exactly one line for each:
// the result, or an empty line where the line did not convert. Blank lines (nothing but blanks)
// are no failure; `failure`, when given, is told of every other line that did not convert, and
// of every line too long to read. Keeps one line in memory; stops early when `out` fails.
StreamCount convertstream(const PairConverter& converter, std::istream& in, std::ostream& out,
                          const LineFailure& failure);

}  // namespace merovane
