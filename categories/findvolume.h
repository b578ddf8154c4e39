// Volume: 21 units from Barrels to Tea spoons, converted by a pair scan.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "core/category.h"
#include "core/conversiontable.h"

namespace merovane {

// clang-format off
inline constexpr std::array<std::string_view, 21> kVolumeUnits = {
    "Barrels", "Bushels", "Centiliters", "Cubic centimeters", "Cubic decimeters",
    "Cubic decameters", "Cubic feet", "Cubic inches", "Cubic meters", "Cubic millimeters",
    "Cubic yards", "Cups", "Deciliters", "Fluid ounces", "Gallons", "Liters", "Milliliters",
    "Pints", "Quarts", "Table spoons", "Tea spoons"};
// clang-format on

// What sets Volume apart in a conversion: its units, table, shape and failure display.
const Category& volumecategory();

// Shows in txtvolumed the text of txtvolumes, read in listvolumes' unit, converted to
// listvolumed's unit. Silent on every error, an empty txtvolumes included.
void convertvolume();

}  // namespace merovane
