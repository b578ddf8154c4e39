// Energy: nine units from Ergs to Horsepower-hours, converted by a pair scan.
#pragma once

#include <span>
#include <string_view>

#include "core/category.h"
#include "core/conversiontable.h"
#include "core/unitname.h"

namespace merovane {

std::span<const std::string_view> energyunits();
// The symbols and other names its units answer to.
std::span<const UnitName> energynames();
// The 72 constants, each held as the literal the table writes.
const ConversionTable& energytable();

// What sets Energy apart in a conversion: its units, table, shape and failure display.
const Category& energycategory();

// Shows in txtenergyfd the text of txtenergyfs converted from listenergys' unit to listenergyd's
// unit. Silent on every error, an empty source text among them.
void convertenergy();

}  // namespace merovane
