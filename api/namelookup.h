// Typed names to a category and a pair of units, through the one resolver, with the message for
// a name that names no one unit: what merovane-convert and the library say alike.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "api/resolver.h"
#include "core/category.h"

namespace merovane {

// Two units of one category, each a listed unit or a multiple of one.
struct NamedPair {
  const CategoryRecord* category;
  UnitChoice from, to;
};

// Why a name does not resolve: a line that says so, what follows it (`detail`: the nearest
// names), and where no name is near, the valid names (`list`: the categories, or the units of
// the category the name was looked for in).
struct NameError {
  enum class Kind : std::uint8_t {
    UnknownCategory,
    UnknownUnit,
    Ambiguous,
    NoCommonCategory,
    SeveralCategories,
  };
  Kind kind;
  std::string line;
  std::string detail;
  std::vector<std::string_view> list;
  // The names offered: the units an ambiguous name may mean, the nearest names to an unknown
  // one, the categories that hold both units.
  std::vector<std::string> candidates = {};
  std::string_view category = {};  // the caption of the category a unit was looked for in
};

std::variant<const CategoryRecord*, NameError> resolvecategory(std::string_view name);

// The units `from` and `to` in `category`, or without one in the one category that holds both.
std::variant<NamedPair, NameError> resolvepair(std::optional<std::string_view> category,
                                               std::string_view from, std::string_view to);

}  // namespace merovane
