// Density: seventeen units from Grains/gallon to Tons/cubic yard, converted by a pair scan.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "core/category.h"
#include "core/conversiontable.h"

namespace merovane {

inline constexpr std::array<std::string_view, 17> kDensityUnits = {
    "Grains/gallon",         "Grams/cubic centimeters", "Grams/liter",
    "Grams/milliliters",     "Kilograms/cubic meters",  "Kilograms/liter",
    "Megagrams/cubic meter", "Milligrams/milliliter",   "Milligrams/liter",
    "Ounces/cubic inch",     "Ounces/gallon",           "Pounds/cubic inch",
    "Pounds/cubic foot",     "Pounds/gallon",           "Slugs/cubic foot",
    "Tonnes/cubic meter",    "Tons/cubic yard"};

// What sets Density apart in a conversion: its units, table, shape and failure display.
const Category& densitycategory();

// Shows in txtdensityd the text of txtdensitys converted from listdensitys' unit to
// listdensityd's unit. Silent on every error, an empty source text among them.
void convertdensity();

}  // namespace merovane
