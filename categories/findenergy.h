// Energy: nine units from Ergs to Horsepower-hours, converted by a pair scan.
#pragma once

#include <span>
#include <string_view>

#include "core/category.h"
#include "core/conversiontable.h"

namespace merovane {

// What sets Energy apart in a conversion: its units, table, shape and failure display.
const CategoryRecord& energycategory();

}  // namespace merovane
