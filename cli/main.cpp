#include <iostream>
#include <string>
#include <vector>

#include "cli/convert.h"

int main(int argc, char** argv) {
  std::vector<std::string> arguments(argv + 1, argv + argc);
  return merovane::runconvert(arguments, std::cout, std::cerr);
}
