// Power's table by its rule: the jouls/hour column, the rounding of every quotient, and the
// pairs set on top of it.
#include <array>
#include <vector>

#include "categories/findpower.h"
#include "core/ruletable.h"

namespace merovane {
namespace {

enum Position {
  kBtuPerHour,
  kBtuPerMinute,
  kBtuPerSecond,
  kCaloriesPerHour,
  kCaloriesPerMinute,
  kCaloriesPerSecond,
  kJoulsPerHour,
  kJoulsPerMinute,
  kJoulsPerSecond,
  kKilocaloriesPerHour,
  kKilocaloriesPerMinute,
  kWatts,
  kKilowatts,
  kMegawatts,
  kGigawatts,
  kHorsepowerElectric,
  kHorsepowerInternational,
  kHorsepowerWater,
  kHorsepowerMetric,
  kFootPoundForcePerMinute,
  kFootPoundForcePerSecond,
};

// One unit in jouls/hour.
const std::vector<ExactDecimal>& joulsperhour() {
  static const std::vector<ExactDecimal> column = decimals(
      {"1055.0556",  "63303.3612", "3798201.6",     "4.184",   "251.04",         "15062.4",
       "1",          "60",         "3600",          "4184",    "251040",         "3600",
       "3600000",    "3600000000", "3600000000000", "2685600", "2684519.537696", "2685754.8",
       "2647795.68", "81.3492",    "4880.952"});
  return column;
}

// 6 decimal places; 15 significant digits from 1000000000 on, where 6 places would keep more.
ExactDecimal powerrule(const ExactDecimal& quotient) {
  if (quotient >= ExactDecimal(1000000000))
    return quotient.roundsignificant(15, Rounding::HalfEven);
  return quotient.roundplaces(6, Rounding::HalfEven);
}

// Where 6 places leave zero the pair multiplies two or three constants through intermediate units,
// in their own order (not always those pairs' constants: every Horsepower chain uses 0.00134).
// All but the three Foot-pound force chains keep 7 decimal places of the product.
void setchains(ConversionTable& table) {
  struct Chain {
    Position source, destination;
    PairExpression expression;
  };
  const std::array<Chain, 25> chains = {{
      {kBtuPerHour, kMegawatts, PairExpression::chain({0.000001, 0.293071}, 7)},
      {kBtuPerHour, kGigawatts, PairExpression::chain({0.000001, 0.293071, 0.001}, 7)},
      {kBtuPerMinute, kGigawatts, PairExpression::chain({17.584267, 0.000001, 0.001}, 7)},
      {kCaloriesPerHour, kMegawatts, PairExpression::chain({0.000001, 0.001162}, 7)},
      {kCaloriesPerHour, kGigawatts, PairExpression::chain({0.000001, 0.001162, 0.001}, 7)},
      {kCaloriesPerMinute, kMegawatts, PairExpression::chain({0.069733, 0.000001}, 7)},
      {kCaloriesPerMinute, kGigawatts, PairExpression::chain({0.069733, 0.000001, 0.001}, 7)},
      {kCaloriesPerSecond, kGigawatts, PairExpression::chain({0.000004, 0.001}, 7)},
      {kJoulsPerHour, kBtuPerSecond, PairExpression::chain({0.000016, 0.016667}, 7)},
      {kJoulsPerHour, kKilowatts, PairExpression::chain({0.000278, 0.001}, 7)},
      {kJoulsPerHour, kMegawatts, PairExpression::chain({0.000278, 0.000001}, 7)},
      {kJoulsPerHour, kGigawatts, PairExpression::chain({0.000278, 0.000001, 0.001}, 7)},
      {kJoulsPerHour, kHorsepowerElectric, PairExpression::chain({0.000278, 0.00134}, 7)},
      {kJoulsPerHour, kHorsepowerInternational, PairExpression::chain({0.000278, 0.00134}, 7)},
      {kJoulsPerHour, kHorsepowerWater, PairExpression::chain({0.000278, 0.00134}, 7)},
      {kJoulsPerHour, kHorsepowerMetric, PairExpression::chain({0.00136, 0.000278}, 7)},
      {kJoulsPerMinute, kMegawatts, PairExpression::chain({0.000017, 0.001}, 7)},
      {kJoulsPerMinute, kGigawatts, PairExpression::chain({0.000017, 0.000001}, 7)},
      {kJoulsPerSecond, kGigawatts, PairExpression::chain({0.000001, 0.001}, 7)},
      {kKilocaloriesPerHour, kGigawatts, PairExpression::chain({0.000001, 0.001}, 7)},
      {kKilocaloriesPerMinute, kGigawatts, PairExpression::chain({0.00007, 0.001}, 7)},
      {kWatts, kGigawatts, PairExpression::chain({0.000001, 0.001}, 7)},
      {kFootPoundForcePerMinute, kMegawatts, PairExpression::chain({0.000023, 0.001}, kNoRounding)},
      {kFootPoundForcePerMinute, kGigawatts,
       PairExpression::chain({0.000001, 0.000023}, kNoRounding)},
      {kFootPoundForcePerSecond, kGigawatts, PairExpression::chain({0.000001, 0.001}, kNoRounding)},
  }};
  for (const Chain& chain : chains) table.set(chain.source, chain.destination, chain.expression);
}

}  // namespace

ConversionTable buildpowertable() {
  ConversionTable table = ruletable(joulsperhour(), powerrule);
  // The one constant kept to 8 decimal places.
  table.set(kBtuPerSecond, kGigawatts, PairExpression::constant(0.00000106));
  table.set(kJoulsPerSecond, kWatts, PairExpression::unchanged());
  table.set(kWatts, kJoulsPerSecond, PairExpression::unchanged());
  setchains(table);
  return table;
}

}  // namespace merovane
