// Lower case as names match: ASCII letters only, every other byte (µ, Å in UTF-8) as it is, in
// any locale.
#pragma once

#include <string>
#include <string_view>

namespace merovane {

constexpr char lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string lowered(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = lower(c);
  return out;
}

}  // namespace merovane
