// Finding units by the names people type: the listed name or another name, ignoring case and
// the blanks around "/", or a symbol exactly as written.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "core/category.h"

namespace merovane {

struct UnitRef {
  const Category* category;
  int unit;
  friend bool operator==(const UnitRef&, const UnitRef&) = default;
};

// Whether two names are the same, ignoring ASCII case and the blanks around "/".
bool samename(std::string_view a, std::string_view b);

// Every unit of `within` that `typed` names, each once, in the categories' order.
std::vector<UnitRef> findunits(std::string_view typed, std::span<const Category> within);

// The other names unit `unit` of `category` answers to, symbols and names in their data's order.
std::vector<std::string_view> othernames(const Category& category, int unit);

// The category whose caption is `name`, ignoring case; nullptr if none.
const Category* findcategory(std::string_view name);

}  // namespace merovane
