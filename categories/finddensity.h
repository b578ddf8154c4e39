// Density: seventeen units from Grains/gallon to Tons/cubic yard, converted by a pair scan.
#pragma once

#include <span>
#include <string_view>

#include "categories/finddensity_data.h"
#include "core/category.h"
#include "core/conversiontable.h"

namespace merovane {

// What sets Density apart in a conversion: its units, table, shape and failure display.
const CategoryRecord& densitycategory();

}  // namespace merovane
