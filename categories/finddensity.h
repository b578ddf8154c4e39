// Density: seventeen units from Grains/gallon to Tons/cubic yard, converted by a pair scan.
#pragma once

#include <span>
#include <string_view>

#include "core/conversiontable.h"

namespace merovane {

std::span<const std::string_view> densityunits();
// The 272 pairs: constants built once from the kilograms per cubic meter column by the table's
// rule, 26 unchanged pairs between units of one size, and four listed exceptions.
const ConversionTable& densitytable();

// Shows in txtdensityd the text of txtdensitys converted from listdensitys' unit to
// listdensityd's unit. Silent on every error, an empty source text among them.
void convertdensity();

}  // namespace merovane
