// Stream buffers straight on a file descriptor, so that a failed write is seen with its reason
// and the input side can flush the output before it waits for more.
#pragma once

#include <array>
#include <ostream>
#include <streambuf>

namespace merovane {

class FdOutBuf final : public std::streambuf {
 public:
  explicit FdOutBuf(int fd);
  ~FdOutBuf() override;
  // The errno of the first failed write, 0 while every write succeeded.
  int error() const { return error_; }

 protected:
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  bool drain();

  int fd_;
  int error_ = 0;
  std::array<char, 1 << 16> buffer_;
};

class FdInBuf final : public std::streambuf {
 public:
  // `tie`, if given, is flushed before every read that may wait, as a terminal user expects.
  FdInBuf(int fd, std::ostream* tie);

 protected:
  int_type underflow() override;

 private:
  int fd_;
  std::ostream* tie_;
  std::array<char, 1 << 16> buffer_;
};

}  // namespace merovane
