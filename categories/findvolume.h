// Volume: 21 units from Barrels to Tea spoons, converted by a pair scan.
#pragma once

#include <span>
#include <string_view>

#include "core/conversiontable.h"

namespace merovane {

std::span<const std::string_view> volumeunits();
// The single constants built once from the cubic-millimeter column by the table's rule, with the
// equal-unit, doubling and chain pairs set on top.
const ConversionTable& volumetable();

// Shows in txtvolumed the text of txtvolumes, read in listvolumes' unit, converted to
// listvolumed's unit. Silent on every error, an empty txtvolumes included.
void convertvolume();

}  // namespace merovane
