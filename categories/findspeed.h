// Speed: 20 units from Centimeters/minute to Yards/second, converted by a pair scan.
#pragma once

#include <span>
#include <string_view>

#include "core/conversiontable.h"

namespace merovane {

std::span<const std::string_view> speedunits();
// The single constants built once from the meters-per-second column by the table's rule, with
// the chain pairs set on top.
const ConversionTable& speedtable();

// Shows in txtspeedd the text of txtspeeds, read in listspeeds' unit, converted to listspeedd's
// unit. Silent on every error, an empty txtspeeds included.
void convertspeed();

}  // namespace merovane
