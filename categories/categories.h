// The twelve categories' records, in the order of the window's category table.
#pragma once

#include <array>
#include <span>

#include "core/category.h"

namespace merovane {

std::span<const CategoryRecord> categories();
const CategoryRecord& category(CategoryId id);
// The number of units of every category, for building a window.
std::array<int, kCategoryCount> unitcounts();

}  // namespace merovane
