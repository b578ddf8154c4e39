// Names and values echoed in messages: in double quotes, with control characters, quotes and
// backslashes escaped, and the characters that reorder or hide text (the bidirectional marks,
// embeddings, overrides and isolates, and the invisible format characters) shown as \uXXXX, so
// that nothing the user typed reaches the terminal raw. A long text is cut after kQuotedCharacters
// characters, ending in an ellipsis.
#pragma once

#include <string>
#include <string_view>

namespace merovane {

inline constexpr size_t kQuotedCharacters = 60;

std::string quoted(std::string_view text);

}  // namespace merovane
