// The shapes every conversion takes: the pair scan and the two result grids.
#pragma once

#include <string>
#include <vector>

#include "core/controls.h"
#include "core/conversiontable.h"
#include "core/runtime.h"

namespace merovane {

// Pair scan: asks both lists about every pair in turn, source outer, and computes and writes
// only the pair selected in both.
void pairscan(const ListBox& sourcelist, const ListBox& destinationlist, TextBox& destinationbox,
              const ConversionTable& table, double value);

// Result grid of texts: every cell's text first, so an error in any cell fails every pair; then
// the cell at the two lists' positions, if both have one.
void textgrid(const ListBox& sourcelist, const ListBox& destinationlist, TextBox& destinationbox,
              const ConversionTable& table, double value);

// Result grid of doubles: the same, with cells kept as numbers until the one shown.
void numbergrid(const ListBox& sourcelist, const ListBox& destinationlist, TextBox& destinationbox,
                const ConversionTable& table, double value);

}  // namespace merovane
