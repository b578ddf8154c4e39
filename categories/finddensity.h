// Density: seventeen units from Grains/gallon to Tons/cubic yard, converted by a pair scan.
#pragma once

#include <span>
#include <string_view>

#include "categories/finddensity_data.h"
#include "core/category.h"
#include "core/conversiontable.h"

namespace merovane {

// What sets Density apart in a conversion: its units, table, shape and failure display.
const Category& densitycategory();

// Shows in txtdensityd the text of txtdensitys converted from listdensitys' unit to
// listdensityd's unit. Silent on every error, an empty source text among them.
void convertdensity();

}  // namespace merovane
