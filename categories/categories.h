// Every category's record, the window's twelve first in the order of its category table, then
// those of the command line and the library alone, written by merovane-tablegen from the unit
// data: one file per category (categories/*.units) and the constants they share
// (categories/constants.units).
#pragma once

#include <array>
#include <span>

#include "core/category.h"

namespace merovane {

std::span<const CategoryRecord> categories();
const CategoryRecord& category(CategoryId id);
// The number of units of each of the window's categories, for building a window.
std::array<int, kCategoryCount> unitcounts();

}  // namespace merovane
