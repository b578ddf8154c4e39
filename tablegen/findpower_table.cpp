// Power's table by its rule: the jouls/hour column (categories/findpower_data.h), the rounding of
// every quotient, and the pairs set on top of it.
#include "categories/findpower_data.h"
#include "tablegen/ruletable.h"
#include "tablegen/ruletables.h"

namespace merovane {
namespace {

// 6 decimal places; 15 significant digits from 1000000000 on, where 6 places would keep more.
ExactDecimal powerrule(const ExactDecimal& quotient) {
  if (quotient >= ExactDecimal(1000000000))
    return quotient.roundsignificant(15, Rounding::HalfEven);
  return quotient.roundplaces(6, Rounding::HalfEven);
}

}  // namespace

ConversionTable buildpowertable() {
  ConversionTable table = ruletable(exactcolumn(kPowerRule.reference), powerrule);
  setrulecells(table, kPowerRule.cells);
  return table;
}

}  // namespace merovane
