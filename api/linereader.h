// Reading text a line at a time, in bounded memory, for the streams of values and of requests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string_view>
#include <vector>

namespace merovane {

// The longest line read, without its line end; a longer one is skipped, never held whole, so that
// memory stays bounded whatever the input.
inline constexpr std::size_t kLongestLine = 64 * 1024;
// What a skipped line is called in messages.
inline constexpr std::string_view kSkippedLine = "longer than 65536 bytes: skipped";
static_assert(kLongestLine == 65536, "kSkippedLine names the limit");

// Reads a stream one line at a time, a "\r" before the line end dropped.
class LineReader {
 public:
  enum class Read { Line, TooLong, End };

  explicit LineReader(std::istream& in);
  // The next line; TooLong when it is longer than kLongestLine (it is then skipped), End at the
  // end of the stream or when it fails.
  Read next();
  std::string_view line() const { return {line_, length_}; }
  // The number of the line last read, from 1.
  std::uint64_t number() const { return number_; }

 private:
  // Refills the buffer with what the stream holds (reading once when it holds nothing); false
  // at its end.
  bool refill();

  std::istream& in_;
  std::vector<char> buffer_;
  std::size_t begin_ = 0, end_ = 0;  // the bytes read and not yet taken
  const char* line_ = nullptr;
  std::size_t length_ = 0;
  std::uint64_t number_ = 0;
  bool ended_ = false;
};

// Whether a line holds nothing but blanks.
bool isblankline(std::string_view line);

}  // namespace merovane
