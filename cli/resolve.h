// A request's names to categories and units, through the one resolver, with the message for a
// name that names no one unit.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "api/conversion.h"
#include "core/category.h"

namespace merovane {

// Two units of one category, each a listed unit or a multiple of one (the scale).
struct Pair {
  const Category* category;
  int from, to;
  Scale scale;
};

// Why a name does not resolve: a line that says so, and for a call of one conversion what
// follows it on the same line (`detail`: the nearest names, or where to find the valid ones) and
// on lines of their own (`list`, the valid names).
struct NameError {
  std::string line;
  std::string detail;
  std::vector<std::string_view> list;
};

std::variant<const Category*, NameError> resolvecategory(std::string_view name);

// The units `from` and `to` in `category`, or without one in the one category that holds both.
std::variant<Pair, NameError> resolvepair(std::optional<std::string_view> category,
                                          std::string_view from, std::string_view to);

}  // namespace merovane
