// Density: seventeen units from Grains/gallon to Tons/cubic yard, converted by a pair scan.
#pragma once

#include <span>
#include <string_view>

#include "core/category.h"
#include "core/conversiontable.h"

namespace merovane {

std::span<const std::string_view> densityunits();
// The 272 pairs: constants built from the kilograms per cubic meter column by the table's rule
// when the program is built, 26 unchanged pairs between units of one size, and four listed
// exceptions.
const ConversionTable& densitytable();
// The same table worked out by the rule with exact arithmetic (slow; for the build and tests).
ConversionTable builddensitytable();

// What sets Density apart in a conversion: its units, table, shape and failure display.
const Category& densitycategory();

// Shows in txtdensityd the text of txtdensitys converted from listdensitys' unit to
// listdensityd's unit. Silent on every error, an empty source text among them.
void convertdensity();

}  // namespace merovane
