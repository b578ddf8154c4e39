// The random source of the random-event test: a fixed default seed, or the one MEROVANE_SEED
// names, so that a failing run can be replayed event for event.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>

namespace merovane::guitest {

inline constexpr std::uint64_t kDefaultSeed = 20240611;

// MEROVANE_SEED as a decimal number, else the default seed.
inline std::uint64_t chosenseed() {
  const char* text = std::getenv("MEROVANE_SEED");
  if (text == nullptr || *text == '\0') return kDefaultSeed;
  return std::stoull(text);
}

// Draws from a 64-bit Mersenne twister, whose output the C++ standard fixes; the ranges are
// worked out here rather than by the library's distributions, whose results differ between
// standard libraries.
class SeededRandom {
 public:
  explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}

  // A number from 0 to count - 1.
  int below(int count) { return static_cast<int>(engine_() % static_cast<std::uint64_t>(count)); }
  // True with the given chance in percent.
  bool percent(int chance) { return below(100) < chance; }
  template <typename Container>
  const auto& pick(const Container& items) {
    return items[static_cast<size_t>(below(static_cast<int>(std::size(items))))];
  }

 private:
  std::mt19937_64 engine_;
};

}  // namespace merovane::guitest
