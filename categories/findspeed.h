// Speed: 20 units from Centimeters/minute to Yards/second, converted by a pair scan.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "core/category.h"
#include "core/conversiontable.h"

namespace merovane {

// clang-format off
inline constexpr std::array<std::string_view, 20> kSpeedUnits = {
    "Centimeters/minute", "Centimeters/second", "Feet/hour", "Feet/minute", "Feet/second",
    "Inches/minute", "Inches/second", "Kilometers/hour", "Kilometers/second", "Knots",
    "Meters/hour", "Meters/minute", "Meters/second", "Miles/hour", "Miles/minute", "Miles/second",
    "Speed of light", "Yards/hour", "Yards/minute", "Yards/second"};
// clang-format on

// What sets Speed apart in a conversion: its units, table, shape and failure display.
const Category& speedcategory();

// Shows in txtspeedd the text of txtspeeds, read in listspeeds' unit, converted to listspeedd's
// unit. Silent on every error, an empty txtspeeds included.
void convertspeed();

}  // namespace merovane
