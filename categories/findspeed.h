// Speed: 20 units from Centimeters/minute to Yards/second, converted by a pair scan.
#pragma once

#include <span>
#include <string_view>

#include "categories/findspeed_data.h"
#include "core/category.h"
#include "core/conversiontable.h"

namespace merovane {

// What sets Speed apart in a conversion: its units, table, shape and failure display.
const CategoryRecord& speedcategory();

}  // namespace merovane
