// Bits and Bytes: fourteen units from Bits(b) to Exabytes(EB), converted through a result grid
// of doubles.
#pragma once

#include <span>
#include <string_view>

#include "core/category.h"
#include "core/controls.h"
#include "core/conversiontable.h"

namespace merovane {

// What sets Bits and Bytes apart in a conversion: its units, table, shape and failure display.
const CategoryRecord& bitcategory();

}  // namespace merovane
