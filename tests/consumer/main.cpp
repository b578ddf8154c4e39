// A program of someone else's that converts by names with libmerovane: 1 mi in m.
#include <merovane/merovane.h>

#include <iostream>

int main() {
  const auto pair = merovane::Pair::find("mi", "m");
  if (!pair) {
    std::cerr << pair.error().message() << '\n';
    return 1;
  }
  const merovane::Result result = pair->convert("1");
  std::cout << result.text() << '\n';
  return result.converted() ? 0 : 1;
}
