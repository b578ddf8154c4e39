// The twelve categories' records, in the order of the window's category table.
#pragma once

#include <array>
#include <span>

#include "categories/unitname.h"
#include "core/category.h"

namespace merovane {

std::span<const Category> categories();
const Category& category(CategoryId id);
// The symbols and other names the units of a category answer to, beside their listed names.
std::span<const UnitName> unitnames(CategoryId id);
// The number of units of every category, for building a window.
std::array<int, kCategoryCount> unitcounts();

}  // namespace merovane
