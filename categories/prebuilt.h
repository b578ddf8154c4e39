// The rule-built tables and the definitions' ratios, worked out at build time (merovane-tablegen)
// and compiled in as constant data, so that no conversion does exact arithmetic at run time.
#pragma once

#include <span>

#include "core/conversiontable.h"
#include "core/form.h"

namespace merovane {

// The cells of a rule-built category's table, row by row; empty for a category whose table is
// written out by hand.
std::span<const PairCell> prebuiltcells(CategoryId id);

// For every ordered pair of a category's units and then its multiples, row by row
// ((units + multiples) squared doubles), the ratio of their exact sizes, size(from) / size(to),
// rounded once to the nearest double; for Temperature the ratio of the degrees' sizes.
std::span<const double> preciseratios(CategoryId id);

}  // namespace merovane
