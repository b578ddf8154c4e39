// What a fuzz target does when an invariant breaks: says which one and on what, then aborts, so
// libFuzzer keeps the input that broke it.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace merovane::fuzz {

// A text as a C string literal would spell it, so blanks, NULs and stray bytes stay visible.
inline std::string printable(std::string_view text, size_t limit = 200) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string shown = "\"";
  for (size_t at = 0; at < text.size() && at < limit; ++at) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte >= 0x20 && byte < 0x7f && byte != '"' && byte != '\\') {
      shown += static_cast<char>(byte);
    } else {
      shown += "\\x";
      shown += kHex[byte >> 4];
      shown += kHex[byte & 15];
    }
  }
  shown += '"';
  if (text.size() > limit) shown += "... (" + std::to_string(text.size()) + " bytes)";
  return shown;
}

[[noreturn]] inline void broken(const std::string& invariant, const std::string& detail) {
  std::fprintf(stderr, "\n== broken invariant: %s\n   %s\n", invariant.c_str(), detail.c_str());
  std::fflush(stderr);
  std::abort();
}

// `detail` is a callable giving the text that explains the failure; it runs only then, so a
// check costs nothing on the fast path.
template <class Detail>
void require(bool holds, const char* invariant, Detail&& detail) {
  if (!holds) broken(invariant, detail());
}

}  // namespace merovane::fuzz
