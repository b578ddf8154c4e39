// Volume's table by its rule: the cubic-millimeter column, the rounding of every quotient, and
// the pairs set on top of it.
#include <array>
#include <utility>
#include <vector>

#include "categories/findvolume.h"
#include "tablegen/ruletable.h"
#include "tablegen/ruletables.h"

namespace merovane {
namespace {

// A unit by its listed name.
consteval int unit(std::string_view name) {
  return unitposition(kVolumeUnits, name);
}

// The volume of one unit in cubic millimeters. The three kitchen measures below a Cup are exact
// fractions of it, so their own constants come out of the same rounding as every other.
const std::vector<ExactDecimal>& cubicmillimeters() {
  static const std::vector<ExactDecimal> column = [] {
    const auto mm = [](std::string_view decimal) { return ExactDecimal::parse(decimal); };
    const ExactDecimal cup = mm("236588.2365");
    const ExactDecimal fluidounce = cup / 8;
    const ExactDecimal tablespoon = fluidounce / 2;
    const ExactDecimal teaspoon = tablespoon / 3;
    // clang-format off
    return std::vector<ExactDecimal>{
        mm("158987294.928"), mm("35239070.16688"), mm("10000"), mm("1000"), mm("1000000"),
        mm("1000000000000"), mm("28316846.592"), mm("16387.064"), mm("1000000000"), mm("1"),
        mm("764554857.984"), cup, mm("100000"), fluidounce, mm("3785411.784"), mm("1000000"),
        mm("1000"), mm("473176.473"), mm("946352.946"), tablespoon, teaspoon};
    // clang-format on
  }();
  return column;
}

// 6 decimal places, an exact half away from zero.
ExactDecimal volumerule(const ExactDecimal& quotient) {
  return quotient.roundplaces(6, Rounding::HalfAwayFromZero);
}

}  // namespace

ConversionTable buildvolumetable() {
  ConversionTable table = ruletable(cubicmillimeters(), volumerule);
  const auto set = [&table](int source, int destination, const PairExpression& expression) {
    table.set(source, destination, expression);
  };

  // Two names for one size: the value passes as it is, both ways.
  for (const auto& [a, b] : {std::pair{unit("Cubic centimeters"), unit("Milliliters")},
                             std::pair{unit("Cubic decimeters"), unit("Liters")}}) {
    set(a, b, PairExpression::unchanged());
    set(b, a, PairExpression::unchanged());
  }

  set(unit("Fluid ounces"), unit("Table spoons"), PairExpression::doubled());
  set(unit("Pints"), unit("Cups"), PairExpression::doubled());
  set(unit("Quarts"), unit("Pints"), PairExpression::doubled());

  // Pairs whose constant would round to zero go through an intermediate unit, each factor being
  // that unit's own table constant, multiplied in the order written here.
  constexpr int kPlaces = 6;
  set(unit("Centiliters"), unit("Cubic decameters"),
      PairExpression::chain({0.01, 0.000001}, kPlaces));
  set(unit("Cubic centimeters"), unit("Cubic decameters"),
      PairExpression::chain({0.001, 0.000001}, kPlaces));
  set(unit("Cubic inches"), unit("Cubic decameters"),
      PairExpression::chain({0.016387, 0.000001}, kPlaces));
  set(unit("Cubic millimeters"), unit("Cubic decameters"),
      PairExpression::chain({0.000001, 0.000001}, kPlaces));
  set(unit("Cups"), unit("Cubic decameters"), PairExpression::chain({0.236588, 0.000001}, kPlaces));
  set(unit("Deciliters"), unit("Cubic decameters"),
      PairExpression::chain({0.1, 0.000001}, kPlaces));
  // The one chain whose product is shown unrounded.
  set(unit("Fluid ounces"), unit("Cubic decameters"), PairExpression::chain({0.029574, 0.000001}));
  set(unit("Milliliters"), unit("Cubic decameters"),
      PairExpression::chain({0.001, 0.000001}, kPlaces));
  set(unit("Pints"), unit("Cubic decameters"),
      PairExpression::chain({0.000001, 0.473176}, kPlaces));
  set(unit("Table spoons"), unit("Cubic decameters"),
      PairExpression::chain({0.014787, 0.000001}, kPlaces));
  set(unit("Tea spoons"), unit("Cubic decameters"),
      PairExpression::chain({0.000001, 0.004929}, kPlaces));
  set(unit("Cubic millimeters"), unit("Barrels"),
      PairExpression::chain({0.0001, 0.000063}, kPlaces));
  set(unit("Cubic millimeters"), unit("Bushels"),
      PairExpression::chain({0.0001, 0.000284}, kPlaces));
  set(unit("Cubic millimeters"), unit("Cubic feet"),
      PairExpression::chain({0.000001, 0.035315}, kPlaces));
  set(unit("Cubic millimeters"), unit("Cubic meters"),
      PairExpression::chain({0.000061, 0.000016}, kPlaces));
  set(unit("Cubic millimeters"), unit("Cubic yards"),
      PairExpression::chain({0.001, 0.000001}, kPlaces));
  set(unit("Cubic millimeters"), unit("Gallons"),
      PairExpression::chain({0.001, 0.000264}, kPlaces));
  return table;
}

}  // namespace merovane
