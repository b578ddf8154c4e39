// How libmerovane converts: by the window's tables or by the units' definitions, and how many
// significant digits a result shows. The engine inside the library takes these very types.
#pragma once

#include <cstdint>

namespace merovane {
// The public types live in an inline namespace of their own, which names their symbols for the
// life of this library's ABI.
inline namespace v1 {

// How a conversion is worked out: by the units' exact definitions (the true value, the pair's
// exact ratio rounded once: the default), or by the window's tables (its figures, for results
// that must match the window; only the units the window lists and their multiples).
enum class Mode : std::uint8_t { Tables, Precise };

// A conversion's options. They travel by reference and begin with their own size, so that a
// field added later at their end leaves a program built with these options working: the library
// reads only the fields the program's options hold.
class Options {
 public:
  // The significant digits a result may show: 15 as the window shows them, or 1 to 17 (17 tell
  // every double apart). Digits outside these fail every conversion.
  static constexpr int kFewestDigits = 1, kMostDigits = 17, kWindowDigits = 15;

  constexpr Options() = default;
  constexpr Options(Mode mode, int digits = kWindowDigits)  // NOLINT: a mode is options
      : mode_(mode), digits_(digits) {}

  constexpr Mode mode() const { return mode_; }
  constexpr int digits() const { return digits_; }
  constexpr Options& setmode(Mode mode) {
    mode_ = mode;
    return *this;
  }
  constexpr Options& setdigits(int digits) {
    digits_ = digits;
    return *this;
  }
  constexpr bool validdigits() const { return digits_ >= kFewestDigits && digits_ <= kMostDigits; }
  // The size of the options as the program that made them was built; sizeof(Options) for its own.
  constexpr std::uint32_t size() const { return size_; }

  friend constexpr bool operator==(const Options& one, const Options& other) {
    return one.mode_ == other.mode_ && one.digits_ == other.digits_;
  }
  friend constexpr bool operator!=(const Options& one, const Options& other) {
    return !(one == other);
  }

 private:
  std::uint32_t size_ = sizeof(Options);
  Mode mode_ = Mode::Precise;
  std::int32_t digits_ = kWindowDigits;
};

}  // namespace v1
}  // namespace merovane
