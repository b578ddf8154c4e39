// Area: twelve units from Square centimeters to Square miles, converted by a pair scan.
#pragma once

#include <span>
#include <string_view>

#include "core/category.h"
#include "core/conversiontable.h"

namespace merovane {

// What sets Area apart in a conversion: its units, table, shape and failure display.
const CategoryRecord& areacategory();

}  // namespace merovane
