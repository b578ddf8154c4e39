// Many values of one pair from a stream: one line in, one line out.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string_view>
#include <vector>

#include "api/conversion.h"

namespace merovane {

// The longest line read, without its line end; a longer one is skipped, never held whole, so that
// memory stays bounded whatever the input.
inline constexpr std::size_t kLongestLine = 64 * 1024;

// Reads a stream one line at a time, a "\r" before the line end dropped.
class LineReader {
 public:
  enum class Read { Line, TooLong, End };

  explicit LineReader(std::istream& in);
  // The next line; TooLong when it is longer than kLongestLine (it is then skipped), End at the
  // end of the stream or when it fails.
  Read next();
  std::string_view line() const { return {buffer_.data(), length_}; }
  // The number of the line last read, from 1.
  std::uint64_t number() const { return number_; }

 private:
  std::istream& in_;
  std::vector<char> buffer_;
  std::size_t length_ = 0;
  std::uint64_t number_ = 0;
};

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

// Whether a line holds nothing but blanks.
bool isblankline(std::string_view line);

}  // namespace merovane
