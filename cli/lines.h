// merovane-convert on standard input: one result line for each line read, an empty one where the
// line did not convert, and the failures on the error stream with their line numbers.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "cli/request.h"
#include "merovane/merovane.h"

namespace merovane {

// What one request's words give: the old reading [CATEGORY] VALUE FROM TO where it converts,
// else the request as people write it (Query::read); a result, or a name that does not resolve,
// or words that make no request.
using Answer = std::variant<Result, Error, UsageError>;
Answer answer(const std::vector<std::string>& words, const std::optional<std::string>& category,
              const Options& options);

// One request of the command line, its result or why not on `err`. Returns the exit status.
int convertwords(const std::vector<std::string>& words, const Options& options, std::ostream& out,
                 std::ostream& err);

// Values of one pair, a line each, converted as `options` ask. Returns the exit status.
int convertlines(const Pair& pair, const Options& options, std::istream& in, std::ostream& out,
                 std::ostream& err);

// Whole requests, [CATEGORY] VALUE FROM TO a line, within `category` when one is given, each
// converted as `options` ask. Returns the exit status.
int convertrequests(const std::optional<Category>& category, const Options& options,
                    std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace merovane
