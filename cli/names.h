// The other names a unit's data lists, for listings; the resolver (api/resolver.h) finds units
// by the names people type.
#pragma once

#include <string_view>
#include <vector>

#include "core/category.h"

namespace merovane {

// The other names unit `unit` of `category` answers to, symbols and names in their data's order.
std::vector<std::string_view> othernames(const Category& category, int unit);

}  // namespace merovane
