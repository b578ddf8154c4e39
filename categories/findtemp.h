// Temperature: five scales, Celsius to Reaumur. Scales that share their zero point multiply; the
// others shift by the one-degree value and scale by the degree ratio.
#pragma once

#include <span>
#include <string_view>

#include "core/category.h"
#include "core/conversiontable.h"

namespace merovane {

// What sets Temperature apart in a conversion: its units, table, shape and failure display.
const CategoryRecord& tempcategory();

}  // namespace merovane
