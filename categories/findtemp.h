// Temperature: five scales, Celsius to Reaumur. Scales that share their zero point multiply; the
// others shift by the one-degree value and scale by the degree ratio.
#pragma once

#include <span>
#include <string_view>

#include "core/conversiontable.h"

namespace merovane {

std::span<const std::string_view> tempunits();
// The 20 pair expressions: 4 proportional pairs and 16 offset pairs.
const ConversionTable& temptable();

// Shows in txtftempd the reading of txtftemps converted from listtemps' scale to listtempd's
// scale. Silent on every error, an empty txtftemps included.
void converttemp();

}  // namespace merovane
