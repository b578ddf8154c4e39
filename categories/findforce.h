// Force: seven units from Dynes to Tonnes forces, converted by a pair scan.
#pragma once

#include <span>
#include <string_view>

#include "core/category.h"
#include "core/conversiontable.h"

namespace merovane {

// What sets Force apart in a conversion: its units, table, shape and failure display.
const CategoryRecord& forcecategory();

}  // namespace merovane
