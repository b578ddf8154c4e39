// Speed's table by its rule: the meters-per-second column, the rounding of every quotient, and
// the chain pairs set on top of it.
#include <array>
#include <initializer_list>
#include <vector>

#include "categories/findspeed.h"
#include "tablegen/ruletable.h"
#include "tablegen/ruletables.h"

namespace merovane {
namespace {

// A unit by its listed name.
consteval int unit(std::string_view name) {
  return unitposition(kSpeedUnits, name);
}

// The speed of one unit in meters per second. Feet/hour, Inches/minute and Yards/hour measure
// with the inch of 1/39.37 meter; every other imperial unit with the inch of 0.0254 meter, so
// the two families differ by two parts in a million.
const std::vector<ExactDecimal>& meterspersecond() {
  static const std::vector<ExactDecimal> column = [] {
    const auto d = [](std::string_view decimal) { return ExactDecimal::parse(decimal); };
    const ExactDecimal minute = 60, hour = 3600;
    const ExactDecimal inchespermeter = d("39.37");
    const ExactDecimal mile = d("1609.344");
    // clang-format off
    return std::vector<ExactDecimal>{
        d("0.01") / minute, d("0.01"),
        ExactDecimal(12) / inchespermeter / hour, d("0.3048") / minute, d("0.3048"),
        ExactDecimal(1) / inchespermeter / minute, d("0.0254"),
        ExactDecimal(1000) / hour, ExactDecimal(1000),
        ExactDecimal(1852) / hour,
        ExactDecimal(1) / hour, ExactDecimal(1) / minute, ExactDecimal(1),
        mile / hour, mile / minute, mile,
        ExactDecimal(299790000),
        ExactDecimal(36) / inchespermeter / hour, d("0.9144") / minute, d("0.9144")};
    // clang-format on
  }();
  return column;
}

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
  ConversionTable table = ruletable(meterspersecond(), speedrule);
  const auto chain = [&table](int source, int destination, std::initializer_list<double> factors) {
    constexpr int kPlaces = 7;
    table.set(source, destination, PairExpression::chain(factors, kPlaces));
  };

  // Pairs whose constant would round to zero go through intermediate units, each factor being
  // the table's own constant for one step of the path, multiplied in the order written here
  // (not always the order of the path).
  chain(unit("Centimeters/minute"), unit("Kilometers/second"), {0.000167, 0.001});
  chain(unit("Centimeters/minute"), unit("Miles/second"), {0.000621, 0.000167});
  chain(unit("Centimeters/minute"), unit("Speed of light"), {0.000003, 0.000167, 0.001});
  chain(unit("Centimeters/second"), unit("Speed of light"), {0.00001, 0.000003});
  chain(unit("Feet/hour"), unit("Kilometers/second"), {0.000085, 0.001});
  chain(unit("Feet/hour"), unit("Miles/second"), {0.000003, 0.016667});
  chain(unit("Feet/hour"), unit("Speed of light"), {0.000003, 0.000085, 0.001});
  chain(unit("Feet/minute"), unit("Speed of light"), {0.000005, 0.000003});
  chain(unit("Feet/second"), unit("Speed of light"), {0.000305, 0.000003});
  chain(unit("Inches/minute"), unit("Kilometers/second"), {0.001524, 0.000278});
  chain(unit("Inches/minute"), unit("Miles/second"), {0.000016, 0.016667});
  chain(unit("Inches/minute"), unit("Speed of light"), {0.001524, 0.000278, 0.000003});
  chain(unit("Inches/second"), unit("Speed of light"), {0.000025, 0.000003});
  chain(unit("Kilometers/hour"), unit("Speed of light"), {0.000278, 0.000003});
  chain(unit("Knots"), unit("Speed of light"), {0.000514, 0.000003});
  chain(unit("Meters/hour"), unit("Kilometers/second"), {0.001, 0.000278});
  chain(unit("Meters/hour"), unit("Miles/second"), {0.00001, 0.016667});
  chain(unit("Meters/hour"), unit("Speed of light"), {0.001, 0.000278, 0.000003});
  chain(unit("Meters/minute"), unit("Speed of light"), {0.000017, 0.000003});
  chain(unit("Meters/second"), unit("Speed of light"), {0.001, 0.000003});
  chain(unit("Miles/hour"), unit("Speed of light"), {0.000447, 0.000003});
  chain(unit("Miles/minute"), unit("Speed of light"), {0.026822, 0.000003});
  chain(unit("Yards/hour"), unit("Kilometers/second"), {0.000914, 0.000278});
  chain(unit("Yards/hour"), unit("Miles/second"), {0.000009, 0.016667});
  chain(unit("Yards/hour"), unit("Speed of light"), {0.000914, 0.000278, 0.000003});
  chain(unit("Yards/minute"), unit("Speed of light"), {0.000015, 0.000003});
  chain(unit("Yards/second"), unit("Speed of light"), {0.000914, 0.000003});
  return table;
}

}  // namespace merovane
