#include <iostream>
#include <string>
#include <vector>

#include "cli/convert.h"
#include "cli/fdstream.h"

int main(int argc, char** argv) {
  // Straight on the descriptors: every failed write is seen, with its reason.
  merovane::FdOutBuf outbuf(1);
  std::ostream out(&outbuf);
  merovane::FdInBuf inbuf(0, &out);
  std::istream in(&inbuf);
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return merovane::runprogram(arguments, in, out, std::cerr);
}
