// Length: 22 units from Angstroms to Light years, converted through a result grid of texts.
#pragma once

#include <span>
#include <string_view>

#include "core/category.h"
#include "core/controls.h"
#include "core/conversiontable.h"

namespace merovane {

// What sets Length apart in a conversion: its units, table, shape and failure display.
const CategoryRecord& lengthcategory();

}  // namespace merovane
