// The floor for converting values through standard input, as a careful program does it: read(2)
// in 64 KiB blocks, each line's number read with std::from_chars, multiplied by one constant,
// written with std::to_chars to 15 digits into a 64 KiB block that goes out with write(2) when it
// is full. No call to the system a line, no checks, no messages, no units.
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstddef>
#include <cstring>

namespace {

constexpr std::size_t kBlock = 64 * 1024;
constexpr double kMetersPerMile = 1609.344;
// The most one result takes: sign, 15 digits, point, exponent and newline, with room to spare.
constexpr std::size_t kLongestResult = 32;

// A block read, after the start of a line the previous block ended in (less than a block).
char input[2 * kBlock];
char output[kBlock];
std::size_t outputused = 0;

bool writeall(const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = write(STDOUT_FILENO, data, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

bool convertline(const char* begin, const char* end) {
  if (kBlock - outputused < kLongestResult) {
    if (!writeall(output, outputused)) return false;
    outputused = 0;
  }
  double value = 0;
  std::from_chars(begin, end, value);
  char* result = output + outputused;
  result = std::to_chars(result, output + kBlock - 1, value * kMetersPerMile,
                         std::chars_format::general, 15)
               .ptr;
  *result++ = '\n';
  outputused = static_cast<std::size_t>(result - output);
  return true;
}

}  // namespace

int main() {
  std::size_t kept = 0;  // the unfinished line at the start of `input`
  for (;;) {
    const ssize_t got = read(STDIN_FILENO, input + kept, kBlock);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    const char* line = input;
    const char* const end = input + kept + got;
    while (const void* found = std::memchr(line, '\n', static_cast<std::size_t>(end - line))) {
      const char* newline = static_cast<const char*>(found);
      if (!convertline(line, newline)) return 1;
      line = newline + 1;
    }
    kept = static_cast<std::size_t>(end - line);
    if (kept >= kBlock) {  // a line longer than a block counts as ending there
      if (!convertline(line, end)) return 1;
      kept = 0;
    } else {
      std::memmove(input, line, kept);
    }
  }
  if (kept > 0 && !convertline(input, input + kept)) return 1;
  return writeall(output, outputused) ? 0 : 1;
}
