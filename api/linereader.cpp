#include "api/linereader.h"

#include <algorithm>
#include <cstring>
#include <istream>
#include <ostream>

namespace merovane {
namespace {
constexpr std::size_t kBlock = 64 * 1024;
}

LineReader::LineReader(std::istream& in) : in_(in), buffer_(kLongestLine + 1 + kBlock) {}

bool LineReader::refill() {
  if (ended_) return false;
  std::streambuf* source = in_.rdbuf();
  if (begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  try {
    std::streamsize available = source->in_avail();
    if (available <= 0) {
      if (in_.tie() != nullptr) in_.tie()->flush();
      if (std::char_traits<char>::eq_int_type(source->sgetc(), std::char_traits<char>::eof())) {
        ended_ = true;
        in_.setstate(std::ios::eofbit);
        return false;
      }
      available = std::max<std::streamsize>(source->in_avail(), 1);
    }
    const auto room = static_cast<std::streamsize>(buffer_.size() - end_);
    const std::streamsize got = source->sgetn(buffer_.data() + end_, std::min(available, room));
    end_ += static_cast<std::size_t>(got);
    return got > 0;
  } catch (...) {
    ended_ = true;
    in_.setstate(std::ios::badbit);
    return false;
  }
}

LineReader::Read LineReader::next() {
  for (;;) {
    const char* data = buffer_.data();
    const void* found = std::memchr(data + begin_, '\n', end_ - begin_);
    std::size_t length =
        found != nullptr ? static_cast<const char*>(found) - (data + begin_) : end_ - begin_;
    // The "\r" of a Windows line end is not the line's: it may stand one past the limit.
    const bool crlfend = length == kLongestLine + 1 && data[begin_ + kLongestLine] == '\r';
    if (length > kLongestLine && !crlfend) {
      // Too long: pass over the rest of the line unkept.
      ++number_;
      while (found == nullptr) {
        begin_ = end_ = 0;
        if (!refill()) return Read::TooLong;
        found = std::memchr(buffer_.data(), '\n', end_);
      }
      begin_ = static_cast<std::size_t>(static_cast<const char*>(found) - buffer_.data()) + 1;
      return Read::TooLong;
    }
    if (found != nullptr || (!refill() && end_ > begin_)) {
      if (found == nullptr) length = end_ - begin_;  // the last line, without its line end
      ++number_;
      line_ = buffer_.data() + begin_;
      begin_ += length + (found != nullptr ? 1 : 0);
      if (length > 0 && line_[length - 1] == '\r') --length;
      length_ = length;
      return Read::Line;
    }
    if (ended_ || in_.bad()) return Read::End;
  }
}

bool isblankline(std::string_view line) {
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace merovane
