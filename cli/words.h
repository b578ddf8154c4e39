// A line of standard input split into words as a shell splits a command: blanks separate words,
// and quotes keep names with blanks together ("Light years", 'fl oz', Light\ years); right after
// a digit, ' and " are the marks of feet and inches (5'3").
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/request.h"

namespace merovane {

// The words of `line`, or why it has none (a quote left open).
std::variant<std::vector<std::string>, UsageError> splitwords(std::string_view line);

}  // namespace merovane
