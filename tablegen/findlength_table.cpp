// Length's table by its rule: the millimeter column and the rounding of every quotient.
#include <vector>

#include "categories/findlength.h"
#include "tablegen/ruletable.h"
#include "tablegen/ruletables.h"

namespace merovane {
namespace {

// The length of one unit in millimeters; the system's own values (Picas, Links, Rods, Chains and
// Light years are not the textbook ones) and every constant follows from them.
const std::vector<ExactDecimal>& millimeters() {
  static const std::vector<ExactDecimal> column = decimals({"0.0000001", "0.001",
                                                            "1",         "10",
                                                            "100",       "1000",
                                                            "10000",     "100000",
                                                            "1000000",   "0.0254",
                                                            "4.2333333", "25.4",
                                                            "201.1684",  "228.6",
                                                            "304.8",     "457.2",
                                                            "914.4",     "1828.8",
                                                            "5029.21",   "20116.84",
                                                            "1609344",   "9460528000000000000"});
  return column;
}

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
  return ruletable(millimeters(), lengthrule);
}

}  // namespace merovane
