// A row's prefixed forms: a row that takes prefixes ("prefixes SI", "prefixes IEC", or the
// prefix symbols it takes: "prefixes k M G") stands for one row per prefix, each an exact
// multiple of it (kJ is 1000 J, KiB 1024 B), so that the data keeps one row per base unit.
#pragma once

#include "tablegen/unitfile.h"

namespace merovane::gen {

// Adds the prefixed forms of every row that takes prefixes, each after the rows there are. A
// prefixed form that is already a row (the window's Kilowatts is kW) adds its names to that row,
// which must be of the same size, instead of a second row for one unit.
void expandprefixes(CategoryFile& category);

}  // namespace merovane::gen
