#include "api/linereader.h"

#include <istream>
#include <limits>

namespace merovane {

LineReader::LineReader(std::istream& in) : in_(in), buffer_(kLongestLine + 1) {}

LineReader::Read LineReader::next() {
  in_.getline(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  const auto got = static_cast<std::size_t>(in_.gcount());
  if (in_.bad() || got == 0) return Read::End;
  ++number_;
  if (in_.fail()) {
    // kLongestLine bytes and no line end yet: the rest of the line is passed over unread.
    in_.clear();
    in_.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    return Read::TooLong;
  }
  // The line end counts in gcount, but is not stored.
  length_ = in_.eof() ? got : got - 1;
  if (length_ > 0 && buffer_[length_ - 1] == '\r') --length_;
  return Read::Line;
}

bool isblankline(std::string_view line) {
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace merovane
