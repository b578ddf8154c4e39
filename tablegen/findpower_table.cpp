// Power's table by its rule: the jouls/hour column, the rounding of every quotient, and the
// pairs set on top of it.
#include <array>
#include <vector>

#include "categories/findpower.h"
#include "tablegen/ruletable.h"
#include "tablegen/ruletables.h"

namespace merovane {
namespace {

// A unit by its listed name.
consteval int unit(std::string_view name) {
  return unitposition(kPowerUnits, name);
}

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
    int source, destination;
    PairExpression expression;
  };
  const std::array<Chain, 25> chains = {{
      {unit("BTU/ hour"), unit("Megawatts"), PairExpression::chain({0.000001, 0.293071}, 7)},
      {unit("BTU/ hour"), unit("Gigawatts"), PairExpression::chain({0.000001, 0.293071, 0.001}, 7)},
      {unit("BTU/minute"), unit("Gigawatts"),
       PairExpression::chain({17.584267, 0.000001, 0.001}, 7)},
      {unit("Calories/hour"), unit("Megawatts"), PairExpression::chain({0.000001, 0.001162}, 7)},
      {unit("Calories/hour"), unit("Gigawatts"),
       PairExpression::chain({0.000001, 0.001162, 0.001}, 7)},
      {unit("Calories/minute"), unit("Megawatts"), PairExpression::chain({0.069733, 0.000001}, 7)},
      {unit("Calories/minute"), unit("Gigawatts"),
       PairExpression::chain({0.069733, 0.000001, 0.001}, 7)},
      {unit("Calories/second"), unit("Gigawatts"), PairExpression::chain({0.000004, 0.001}, 7)},
      {unit("jouls/hour"), unit("BTU/second"), PairExpression::chain({0.000016, 0.016667}, 7)},
      {unit("jouls/hour"), unit("Kilowatts"), PairExpression::chain({0.000278, 0.001}, 7)},
      {unit("jouls/hour"), unit("Megawatts"), PairExpression::chain({0.000278, 0.000001}, 7)},
      {unit("jouls/hour"), unit("Gigawatts"),
       PairExpression::chain({0.000278, 0.000001, 0.001}, 7)},
      {unit("jouls/hour"), unit("Horsepower(electric)"),
       PairExpression::chain({0.000278, 0.00134}, 7)},
      {unit("jouls/hour"), unit("Horsepower(international)"),
       PairExpression::chain({0.000278, 0.00134}, 7)},
      {unit("jouls/hour"), unit("Horsepower(water)"),
       PairExpression::chain({0.000278, 0.00134}, 7)},
      {unit("jouls/hour"), unit("Horsepower(metric)"),
       PairExpression::chain({0.00136, 0.000278}, 7)},
      {unit("jouls/minute"), unit("Megawatts"), PairExpression::chain({0.000017, 0.001}, 7)},
      {unit("jouls/minute"), unit("Gigawatts"), PairExpression::chain({0.000017, 0.000001}, 7)},
      {unit("jouls/second"), unit("Gigawatts"), PairExpression::chain({0.000001, 0.001}, 7)},
      {unit("Kilocalories/hour"), unit("Gigawatts"), PairExpression::chain({0.000001, 0.001}, 7)},
      {unit("Kilocalories/minute"), unit("Gigawatts"), PairExpression::chain({0.00007, 0.001}, 7)},
      {unit("Watts"), unit("Gigawatts"), PairExpression::chain({0.000001, 0.001}, 7)},
      {unit("Foot-pound force/minute"), unit("Megawatts"),
       PairExpression::chain({0.000023, 0.001}, kNoRounding)},
      {unit("Foot-pound force/minute"), unit("Gigawatts"),
       PairExpression::chain({0.000001, 0.000023}, kNoRounding)},
      {unit("Foot-pound force/second"), unit("Gigawatts"),
       PairExpression::chain({0.000001, 0.001}, kNoRounding)},
  }};
  for (const Chain& chain : chains) table.set(chain.source, chain.destination, chain.expression);
}

}  // namespace

ConversionTable buildpowertable() {
  ConversionTable table = ruletable(joulsperhour(), powerrule);
  // The one constant kept to 8 decimal places.
  table.set(unit("BTU/second"), unit("Gigawatts"), PairExpression::constant(0.00000106));
  table.set(unit("jouls/second"), unit("Watts"), PairExpression::unchanged());
  table.set(unit("Watts"), unit("jouls/second"), PairExpression::unchanged());
  setchains(table);
  return table;
}

}  // namespace merovane
