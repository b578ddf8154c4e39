// A program of someone else's that converts with libmerovane: 5 ft in metres, by number.
#include <merovane/merovane.h>

#include <iostream>

#if !MEROVANE_VERSION_AT_LEAST(0, 4, 0)
#error "Pair::convert(double) came with libmerovane 0.4.0"
#endif

int main() {
  const auto pair = merovane::Pair::find("ft", "m");
  if (!pair) {
    std::cerr << pair.error().message() << '\n';
    return 1;
  }
  const merovane::Result result = pair->convert(5.0);
  if (!result.converted()) {
    std::cerr << result.message() << '\n';
    return 1;
  }
  std::cout << result.value() << '\n';  // 1.524
  return 0;
}
