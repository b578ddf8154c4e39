// Weight's table by its rule: the microgram column (categories/findweight1_data.h), the rounding
// of every quotient and the one constant kept to more digits.
#include "categories/findweight1_data.h"
#include "tablegen/ruletable.h"
#include "tablegen/ruletables.h"

namespace merovane {
namespace {

// 8 decimal places, half away from zero; 9 significant digits where 8 places would leave zero
// (from Micrograms and Milligrams into the heaviest units).
ExactDecimal weightrule(const ExactDecimal& quotient) {
  const ExactDecimal places = quotient.roundplaces(8, Rounding::HalfAwayFromZero);
  if (places.iszero()) return quotient.roundsignificant(9, Rounding::HalfAwayFromZero);
  return places;
}

}  // namespace

ConversionTable buildweighttable() {
  ConversionTable table = ruletable(exactcolumn(kWeightRule.reference), weightrule);
  setrulecells(table, kWeightRule.cells);
  return table;
}

}  // namespace merovane
