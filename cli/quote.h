// Names and values echoed in messages: in double quotes, with control characters, quotes and
// backslashes escaped so that nothing the user typed reaches the terminal raw.
#pragma once

#include <string>
#include <string_view>

namespace merovane {

std::string quoted(std::string_view text);

}  // namespace merovane
