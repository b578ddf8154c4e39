// merovane-convert's options: what the command line reads (cli/parse.cpp) and what the shells'
// completion scripts offer (tools/completiongen.cpp writes them in).
#pragma once

#include <string_view>

namespace merovane {

// An option: its long name, its letter if it has one, whether it takes a value (the next argument,
// or after "=") and what it does, in the few words a shell shows beside it.
struct OptionSpec {
  std::string_view name;
  char letter;
  bool takesvalue;
  std::string_view description;
};

inline constexpr OptionSpec kOptions[] = {
    {"--help", 'h', false, "print the usage and exit"},
    {"--version", 'v', false, "print the version and licence and exit"},
    {"--precise", 'p', false, "convert by the units' definitions (the default)"},
    {"--tables", 0, false, "convert by the window's tables"},
    {"--digits", 0, true, "print N significant digits (1 to 17)"},
    {"--search", 0, true, "list the units whose names contain a word"},
    {"--list", 0, false, "list the categories, or one category's units"},
    {"--grid", 0, false, "print a chart of every pair of a category's units"},
};

}  // namespace merovane
