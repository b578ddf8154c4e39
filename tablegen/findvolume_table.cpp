// Volume's table by its rule: the cubic-millimeter column (categories/findvolume_data.h), the
// rounding of every quotient, and the pairs set on top of it.
#include "categories/findvolume_data.h"
#include "tablegen/ruletable.h"
#include "tablegen/ruletables.h"

namespace merovane {
namespace {

// 6 decimal places, an exact half away from zero.
ExactDecimal volumerule(const ExactDecimal& quotient) {
  return quotient.roundplaces(6, Rounding::HalfAwayFromZero);
}

}  // namespace

ConversionTable buildvolumetable() {
  ConversionTable table = ruletable(exactcolumn(kVolumeRule.reference), volumerule);
  setrulecells(table, kVolumeRule.cells);
  return table;
}

}  // namespace merovane
