// Many values of one pair from a stream: one line in, one line out.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string_view>
#include <vector>

#include "api/conversion.h"
#include "api/linereader.h"

namespace merovane {

struct StreamSummary {
  std::uint64_t lines = 0;   // lines read
  std::uint64_t failed = 0;  // lines not blank that did not convert or were too long
};

// Called for a line that is not blank and did not convert: its number (from 1), its text and
// why (nullptr when the category converted nothing).
using LineFailure =
    std::function<void(std::uint64_t line, std::string_view value, const RuntimeError* error)>;
// Called for a line longer than kLongestLine, with its number.
using LineTooLong = std::function<void(std::uint64_t line)>;

// Reads `in` one line at a time (see LineReader) and writes to `out` exactly one line for each:
// the result, or an empty line where the line did not convert. Blank lines (nothing but blanks)
// are no failure. Keeps one line in memory; stops early when `out` fails.
StreamSummary convertstream(const PairConverter& converter, std::istream& in, std::ostream& out,
                            const LineFailure& failure, const LineTooLong& toolong);

}  // namespace merovane
