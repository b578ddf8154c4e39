// The random source of the random-event test: a fixed default seed, or the one MEROVANE_SEED
// names, so that a failing run can be replayed event for event.
#pragma once

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string_view>
#include <system_error>

namespace merovane::guitest {

inline constexpr std::uint64_t kDefaultSeed = 20240611;

// MEROVANE_SEED as a decimal number, else the default seed. Any other value ends the test with
// one line on standard error and status 2.
inline std::uint64_t chosenseed() {
  const char* text = std::getenv("MEROVANE_SEED");
  if (text == nullptr || *text == '\0') return kDefaultSeed;
  const std::string_view value(text);
  std::uint64_t seed = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), seed);
  if (error != std::errc() || end != value.data() + value.size()) {
    std::fprintf(stderr,
                 "merovane_random_events_test: MEROVANE_SEED=\"%s\" is not a seed: a whole number "
                 "from 0 to 18446744073709551615\n",
                 text);
    std::exit(2);
  }
  return seed;
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
