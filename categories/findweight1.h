// Weight: 23 units from Micrograms to Long Tons, converted through a result grid of texts.
#pragma once

#include <span>
#include <string_view>

#include "core/category.h"
#include "core/controls.h"
#include "core/conversiontable.h"

namespace merovane {

// What sets Weight apart in a conversion: its units, table, shape and failure display.
const CategoryRecord& weightcategory();

}  // namespace merovane
