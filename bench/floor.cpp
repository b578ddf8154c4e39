// The floor for converting values through standard input: read a line, read its number with
// std::from_chars, multiply by one constant, write it with std::to_chars to 15 digits. Nothing
// else: no checks, no messages, no units.
#include <charconv>
#include <cstdio>
#include <cstdlib>

int main() {
  char* line = nullptr;
  size_t capacity = 0;
  ssize_t length;
  char text[32];
  while ((length = getline(&line, &capacity, stdin)) > 0) {
    double value = 0;
    std::from_chars(line, line + length, value);
    char* end = std::to_chars(text, text + sizeof text - 1, value * 1609.344,
                              std::chars_format::general, 15)
                    .ptr;
    *end++ = '\n';
    std::fwrite(text, 1, static_cast<size_t>(end - text), stdout);
  }
  std::free(line);
  return 0;
}
