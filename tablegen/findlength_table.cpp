// Length's table by its rule: the millimeter column (categories/findlength_data.h) and the
// rounding of every quotient.
#include "categories/findlength_data.h"
#include "tablegen/ruletable.h"
#include "tablegen/ruletables.h"

namespace merovane {
namespace {

// 8 decimal places; 9 significant digits where 8 places would leave zero; 15 significant digits
// from 10000000 on.
ExactDecimal lengthrule(const ExactDecimal& quotient) {
  const ExactDecimal places = quotient.roundplaces(8, Rounding::HalfEven);
  if (places.iszero()) return quotient.roundsignificant(9, Rounding::HalfEven);
  if (quotient >= ExactDecimal(10000000)) return quotient.roundsignificant(15, Rounding::HalfEven);
  return places;
}

}  // namespace

ConversionTable buildlengthtable() {
  return ruletable(exactcolumn(kLengthRule.reference), lengthrule);
}

}  // namespace merovane
