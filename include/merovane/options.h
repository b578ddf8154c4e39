// How libmerovane converts: by the window's tables or by the units' definitions, and how many
// significant digits a result shows. The engine inside the library takes these very types.
#pragma once

#include <cstdint>

namespace merovane {
// The public types live in an inline namespace of their own, which names their symbols for the
// life of this library's ABI.
inline namespace v0 {

// How a conversion is worked out: by the units' exact definitions (the true value, the pair's
// exact ratio rounded once: the default), or by the window's tables (its figures, for results
// that must match the window; only the units the window lists and their multiples).
enum class Mode : std::uint8_t { Tables, Precise };

struct Options {
  // The significant digits a result may show: 15 as the window shows them, or 1 to 17 (17 tell
  // every double apart). Digits outside these fail every conversion.
  static constexpr int kFewestDigits = 1, kMostDigits = 17, kWindowDigits = 15;
  Mode mode = Mode::Precise;
  int digits = kWindowDigits;  // significant digits shown, kFewestDigits to kMostDigits

  constexpr bool validdigits() const { return digits >= kFewestDigits && digits <= kMostDigits; }
  friend constexpr bool operator==(const Options&, const Options&) = default;
};

}  // namespace v0
}  // namespace merovane
