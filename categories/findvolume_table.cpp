// Volume's table by its rule: the cubic-millimeter column, the rounding of every quotient, and
// the pairs set on top of it.
#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "categories/findvolume.h"
#include "core/ruletable.h"

namespace merovane {
namespace {

int position(std::string_view unit) {
  const auto found = std::find(kVolumeUnits.begin(), kVolumeUnits.end(), unit);
  if (found == kVolumeUnits.end()) throw std::logic_error("no volume unit " + std::string(unit));
  return static_cast<int>(found - kVolumeUnits.begin());
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
  const auto set = [&table](std::string_view source, std::string_view destination,
                            const PairExpression& expression) {
    table.set(position(source), position(destination), expression);
  };

  // Two names for one size: the value passes as it is, both ways.
  for (const auto& [a, b] :
       {std::pair<std::string_view, std::string_view>{"Cubic centimeters", "Milliliters"},
        {"Cubic decimeters", "Liters"}}) {
    set(a, b, PairExpression::unchanged());
    set(b, a, PairExpression::unchanged());
  }

  set("Fluid ounces", "Table spoons", PairExpression::doubled());
  set("Pints", "Cups", PairExpression::doubled());
  set("Quarts", "Pints", PairExpression::doubled());

  // Pairs whose constant would round to zero go through an intermediate unit, each factor being
  // that unit's own table constant, multiplied in the order written here.
  constexpr int kPlaces = 6;
  set("Centiliters", "Cubic decameters", PairExpression::chain({0.01, 0.000001}, kPlaces));
  set("Cubic centimeters", "Cubic decameters", PairExpression::chain({0.001, 0.000001}, kPlaces));
  set("Cubic inches", "Cubic decameters", PairExpression::chain({0.016387, 0.000001}, kPlaces));
  set("Cubic millimeters", "Cubic decameters",
      PairExpression::chain({0.000001, 0.000001}, kPlaces));
  set("Cups", "Cubic decameters", PairExpression::chain({0.236588, 0.000001}, kPlaces));
  set("Deciliters", "Cubic decameters", PairExpression::chain({0.1, 0.000001}, kPlaces));
  // The one chain whose product is shown unrounded.
  set("Fluid ounces", "Cubic decameters", PairExpression::chain({0.029574, 0.000001}));
  set("Milliliters", "Cubic decameters", PairExpression::chain({0.001, 0.000001}, kPlaces));
  set("Pints", "Cubic decameters", PairExpression::chain({0.000001, 0.473176}, kPlaces));
  set("Table spoons", "Cubic decameters", PairExpression::chain({0.014787, 0.000001}, kPlaces));
  set("Tea spoons", "Cubic decameters", PairExpression::chain({0.000001, 0.004929}, kPlaces));
  set("Cubic millimeters", "Barrels", PairExpression::chain({0.0001, 0.000063}, kPlaces));
  set("Cubic millimeters", "Bushels", PairExpression::chain({0.0001, 0.000284}, kPlaces));
  set("Cubic millimeters", "Cubic feet", PairExpression::chain({0.000001, 0.035315}, kPlaces));
  set("Cubic millimeters", "Cubic meters", PairExpression::chain({0.000061, 0.000016}, kPlaces));
  set("Cubic millimeters", "Cubic yards", PairExpression::chain({0.001, 0.000001}, kPlaces));
  set("Cubic millimeters", "Gallons", PairExpression::chain({0.001, 0.000264}, kPlaces));
  return table;
}

}  // namespace merovane
