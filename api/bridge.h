// Between libmerovane's public classes and the engine. The public header and the internal ones
// declare types of the same names in one namespace (Result, Mode, Chart, Category), so no source
// sees both: the library's classes call these, which speak only standard types, and the
// categories' records pass through as opaque pointers.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace merovane::bridge {

struct PairRef {
  const void* category;
  int from, to;
  const void* frommultiple;
  const void* tomultiple;
};

struct Failure {
  int kind;  // as Error::Kind counts
  std::string message;
  std::vector<std::string> candidates;
  std::string details;
};

struct Outcome {
  int status;        // as Result::Status counts
  std::string text;  // the result, or the error's description
  std::string message = {};
};

// A multiple's names and its factor, as Multiple holds them.
struct MultipleNames {
  std::vector<std::string> names;
  std::string factor;
};

using LineFailure = std::function<void(std::uint64_t line, const std::string& message)>;

const char* version();
std::vector<const void*> categories();
const void* findcategory(std::string_view caption);
// Why `caption` names no category, as merovane-convert says it.
Failure unknowncategory(std::string_view caption);
std::string caption(const void* category);
std::vector<std::string> units(const void* category);
std::vector<std::string> othernames(const void* category, std::string_view unit);
std::vector<MultipleNames> multiples(const void* category, std::string_view unit);
std::vector<Outcome> chart(const void* category, std::string_view value, int mode, int digits);

std::variant<PairRef, Failure> findpair(const std::string_view* category, std::string_view from,
                                        std::string_view to);
std::string unitname(const void* category, int unit, const void* multiple);
Outcome convert(const PairRef& pair, std::string_view value, int mode, int digits);
// `failure` may be empty.
std::pair<std::uint64_t, std::uint64_t> convertstream(const PairRef& pair, std::istream& in,
                                                      std::ostream& out, int mode, int digits,
                                                      const LineFailure& failure);
std::vector<std::pair<std::string, std::string>> search(std::string_view word);

}  // namespace merovane::bridge
