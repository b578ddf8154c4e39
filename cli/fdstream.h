// Stream buffers straight on a file descriptor, so that a failed read or write is seen with its
// reason and the input side can flush the output before it waits for more.
#pragma once

#include <array>
#include <cstddef>
#include <istream>
#include <ostream>
#include <streambuf>

namespace merovane {

class FdOutBuf final : public std::streambuf {
 public:
  enum class Flush { WhenFull, EachLine };

  explicit FdOutBuf(int fd, Flush flush = Flush::WhenFull);
  ~FdOutBuf() override;
  // The errno of the first failed write, 0 while every write succeeded.
  int error() const { return error_; }

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* text, std::streamsize count) override;
  int sync() override;

 private:
  bool drain();

  int fd_;
  Flush flush_;
  int error_ = 0;
  std::array<char, 1 << 16> buffer_;
};

class FdInBuf final : public std::streambuf {
 public:
  // `tie`, if given, is flushed before every read that may wait, as a terminal user expects.
  FdInBuf(int fd, std::ostream* tie);
  // The errno of the failed read that ended the input, 0 while every read succeeded.
  int error() const { return error_; }

 protected:
  int_type underflow() override;

 private:
  int fd_;
  std::ostream* tie_;
  int error_ = 0;
  std::array<char, 1 << 16> buffer_;
};

// Why reading `in` ended early: the failed read's description, or nullptr when it did not fail.
const char* readerror(const std::istream& in);
// Why writing `out` failed: the failed write's description, or a general one.
const char* writeerror(const std::ostream& out);

}  // namespace merovane
