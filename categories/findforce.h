// Force: seven units from Dynes to Tonnes forces, converted by a pair scan.
#pragma once

#include <span>
#include <string_view>

#include "core/category.h"
#include "core/conversiontable.h"
#include "core/unitname.h"

namespace merovane {

std::span<const std::string_view> forceunits();
// The symbols and other names its units answer to.
std::span<const UnitName> forcenames();
// The 42 pairs: 41 literal constants and the rounded chain from Dynes to Tonnes forces.
const ConversionTable& forcetable();

// What sets Force apart in a conversion: its units, table, shape and failure display.
const Category& forcecategory();

// Shows in txtfforced the text of txtfforces converted from listforces' unit to listforced's
// unit. Silent on every error, an empty source text among them.
void convertforce();

}  // namespace merovane
