#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "cli/convert.h"
#include "cli/fdstream.h"

int main(int argc, char** argv) {
  // Straight on the descriptors: every failed read or write is seen, with its reason. Messages
  // leave a line at a time.
  merovane::FdOutBuf outbuf(1);
  std::ostream out(&outbuf);
  merovane::FdOutBuf errbuf(2, merovane::FdOutBuf::Flush::EachLine);
  std::ostream err(&errbuf);
  merovane::FdInBuf inbuf(0, &out);
  std::istream in(&inbuf);
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return merovane::runprogram(arguments, in, out, err);
}
