// Power: 21 units from BTU/ hour to Foot-pound force/second, converted by a pair scan.
#pragma once

#include <span>
#include <string_view>

#include "core/category.h"
#include "core/conversiontable.h"

namespace merovane {

std::span<const std::string_view> powerunits();
// The 420 pairs: constants built from the jouls/hour column by the table's rule when the program
// is built, the two unchanged pairs between jouls/second and Watts, and the 25 chains where the
// rule gives zero.
const ConversionTable& powertable();
// The same table worked out by the rule with exact arithmetic (slow; for the build and tests).
ConversionTable buildpowertable();

// What sets Power apart in a conversion: its units, table, shape and failure display.
const Category& powercategory();

// Shows in txtfpowerd the text of txtfpowers converted from listpowers' unit to listpowerd's
// unit. Silent on every error, an empty source text among them.
void convertpower();

}  // namespace merovane
