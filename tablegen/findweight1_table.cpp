// Weight's table by its rule: the microgram column, the rounding of every quotient and the one
// constant kept to more digits.
#include <vector>

#include "categories/findweight1.h"
#include "tablegen/ruletable.h"
#include "tablegen/ruletables.h"

namespace merovane {
namespace {

constexpr int kMetricTons = 21;
constexpr int kGrains = 3;
// The one constant that keeps 15 significant digits instead of the rule's 8 decimal places.
constexpr double kMetricTonsToGrains = 15432358.3529414;

// The mass of one unit in micrograms. Drams are apothecaries' drams of 60 grains; ounces,
// pounds, cloves, stone, centals, hundredweights and tons are avoirdupois.
const std::vector<ExactDecimal>& micrograms() {
  static const std::vector<ExactDecimal> column = decimals({"1",
                                                            "1000",
                                                            "10000",
                                                            "64798.91",
                                                            "100000",
                                                            "200000",
                                                            "1000000",
                                                            "1555173.84",
                                                            "1295978.2",
                                                            "3887934.6",
                                                            "10000000",
                                                            "28349523.125",
                                                            "45359237000",
                                                            "100000000",
                                                            "453592370",
                                                            "1000000000",
                                                            "3628738960",
                                                            "6350293180",
                                                            "45359237000",
                                                            "50802345440",
                                                            "907184740000",
                                                            "1000000000000",
                                                            "1016046908800"});
  return column;
}

// 8 decimal places, half away from zero; 9 significant digits where 8 places would leave zero
// (from Micrograms and Milligrams into the heaviest units).
ExactDecimal weightrule(const ExactDecimal& quotient) {
  const ExactDecimal places = quotient.roundplaces(8, Rounding::HalfAwayFromZero);
  if (places.iszero()) return quotient.roundsignificant(9, Rounding::HalfAwayFromZero);
  return places;
}

}  // namespace

ConversionTable buildweighttable() {
  ConversionTable table = ruletable(micrograms(), weightrule);
  table.set(kMetricTons, kGrains, PairExpression::constant(kMetricTonsToGrains));
  return table;
}

}  // namespace merovane
