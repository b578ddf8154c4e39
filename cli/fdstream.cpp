#include "cli/fdstream.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace merovane {

FdOutBuf::FdOutBuf(int fd, Flush flush) : fd_(fd), flush_(flush) {
  setp(buffer_.data(), buffer_.data() + buffer_.size());
}

FdOutBuf::~FdOutBuf() {
  drain();
}

bool FdOutBuf::drain() {
  const char* from = pbase();
  while (from < pptr() && error_ == 0) {
    const ssize_t written = ::write(fd_, from, static_cast<size_t>(pptr() - from));
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) error_ = errno;
    if (written > 0) from += written;
  }
  // After a failure nothing more is written: the rest is dropped.
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  return error_ == 0;
}

FdOutBuf::int_type FdOutBuf::overflow(int_type c) {
  if (!drain()) return traits_type::eof();
  if (!traits_type::eq_int_type(c, traits_type::eof())) sputc(traits_type::to_char_type(c));
  return traits_type::not_eof(c);
}

// A message is composed of several pieces; by line, it leaves in one write when its line is done.
std::streamsize FdOutBuf::xsputn(const char* text, std::streamsize count) {
  const std::streamsize put = std::streambuf::xsputn(text, count);
  if (flush_ == Flush::EachLine && std::find(text, text + count, '\n') != text + count) drain();
  return put;
}

int FdOutBuf::sync() {
  return drain() ? 0 : -1;
}

FdInBuf::FdInBuf(int fd, std::ostream* tie) : fd_(fd), tie_(tie) {
  setg(buffer_.data(), buffer_.data(), buffer_.data());
}

FdInBuf::int_type FdInBuf::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  if (error_ != 0) return traits_type::eof();
  if (tie_ != nullptr) tie_->flush();
  ssize_t got;
  do {
    got = ::read(fd_, buffer_.data(), buffer_.size());
  } while (got < 0 && errno == EINTR);
  if (got < 0) error_ = errno;
  if (got <= 0) return traits_type::eof();
  setg(buffer_.data(), buffer_.data(), buffer_.data() + got);
  return traits_type::to_int_type(*gptr());
}

const char* readerror(const std::istream& in) {
  const auto* buffer = dynamic_cast<const FdInBuf*>(in.rdbuf());
  if (buffer != nullptr && buffer->error() != 0) return std::strerror(buffer->error());
  return in.bad() ? "the input failed" : nullptr;
}

const char* writeerror(const std::ostream& out) {
  const auto* buffer = dynamic_cast<const FdOutBuf*>(out.rdbuf());
  return buffer != nullptr && buffer->error() != 0 ? std::strerror(buffer->error())
                                                   : "the output failed";
}

}  // namespace merovane
