// Speed's table by its rule: the meters-per-second column (categories/findspeed_data.h), the
// rounding of every quotient, and the chain pairs set on top of it.
#include "categories/findspeed_data.h"
#include "tablegen/ruletable.h"
#include "tablegen/ruletables.h"

namespace merovane {
namespace {

// 6 decimal places, an exact half away from zero; then 15 significant digits where more remain,
// which happens only to a few constants out of Speed of light.
ExactDecimal speedrule(const ExactDecimal& quotient) {
  const ExactDecimal places = quotient.roundplaces(6, Rounding::HalfAwayFromZero);
  if (places.significantdigits() > 15)
    return places.roundsignificant(15, Rounding::HalfAwayFromZero);
  return places;
}

}  // namespace

ConversionTable buildspeedtable() {
  ConversionTable table = ruletable(exactcolumn(kSpeedRule.reference), speedrule);
  setrulecells(table, kSpeedRule.cells);
  return table;
}

}  // namespace merovane
