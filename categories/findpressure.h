// Pressure: 9 units from Pascals to Kilopounds/square inch, converted by a pair scan.
#pragma once

#include <span>
#include <string_view>

#include "core/category.h"
#include "core/conversiontable.h"

namespace merovane {

// What sets Pressure apart in a conversion: its units, table, shape and failure display.
const CategoryRecord& pressurecategory();

}  // namespace merovane
