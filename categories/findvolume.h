// Volume: 21 units from Barrels to Tea spoons, converted by a pair scan.
#pragma once

#include <span>
#include <string_view>

#include "categories/findvolume_data.h"
#include "core/category.h"
#include "core/conversiontable.h"

namespace merovane {

// What sets Volume apart in a conversion: its units, table, shape and failure display.
const CategoryRecord& volumecategory();

}  // namespace merovane
