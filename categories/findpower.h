// Power: 21 units from BTU/ hour to Foot-pound force/second, converted by a pair scan.
#pragma once

#include <span>
#include <string_view>

#include "core/conversiontable.h"

namespace merovane {

std::span<const std::string_view> powerunits();
// The 420 pairs: constants built once from the jouls/hour column by the table's rule, the two
// unchanged pairs between jouls/second and Watts, and the 25 chains where the rule gives zero.
const ConversionTable& powertable();

// Shows in txtfpowerd the text of txtfpowers converted from listpowers' unit to listpowerd's
// unit. Silent on every error, an empty source text among them.
void convertpower();

}  // namespace merovane
