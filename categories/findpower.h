// Power: 21 units from BTU/ hour to Foot-pound force/second, converted by a pair scan.
#pragma once

#include <span>
#include <string_view>

#include "categories/findpower_data.h"
#include "core/category.h"
#include "core/conversiontable.h"

namespace merovane {

// What sets Power apart in a conversion: its units, table, shape and failure display.
const CategoryRecord& powercategory();

}  // namespace merovane
