#include "categories/findpower.h"

#include <array>

#include "categories/prebuilt.h"

namespace merovane {
namespace {

// The symbols and other names the units answer to, one unit a line.
// clang-format off
constexpr std::array<UnitName, 34> kNames = {{
    symbol("BTU/h", "BTU/ hour"),
    symbol("BTU/min", "BTU/minute"),
    symbol("BTU/s", "BTU/second"),
    symbol("cal/h", "Calories/hour"), name("Calorie/hour", "Calories/hour"),
    symbol("cal/min", "Calories/minute"), name("Calorie/minute", "Calories/minute"),
    symbol("cal/s", "Calories/second"), name("Calorie/second", "Calories/second"),
    symbol("J/h", "jouls/hour"), name("Joules/hour", "jouls/hour"),
        name("Joule/hour", "jouls/hour"),
    symbol("J/min", "jouls/minute"), name("Joules/minute", "jouls/minute"),
        name("Joule/minute", "jouls/minute"),
    symbol("J/s", "jouls/second"), name("Joules/second", "jouls/second"),
        name("Joule/second", "jouls/second"),
    symbol("kcal/h", "Kilocalories/hour"), name("Kilocalorie/hour", "Kilocalories/hour"),
    symbol("kcal/min", "Kilocalories/minute"), name("Kilocalorie/minute", "Kilocalories/minute"),
    symbol("W", "Watts"), name("Watt", "Watts"),
    symbol("kW", "Kilowatts"), name("Kilowatt", "Kilowatts"),
    symbol("MW", "Megawatts"), name("Megawatt", "Megawatts"),
    symbol("GW", "Gigawatts"), name("Gigawatt", "Gigawatts"),
    symbol("ft-lbf/min", "Foot-pound force/minute"),
        name("Foot-pounds force/minute", "Foot-pound force/minute"),
    symbol("ft-lbf/s", "Foot-pound force/second"),
        name("Foot-pounds force/second", "Foot-pound force/second"),
}};
// clang-format on

// The names that stand for all four horsepowers.
constexpr std::array<UnitName, 8> kAmbiguous = {{
    ambiguous("hp", "Horsepower(electric)"),
    ambiguous("hp", "Horsepower(international)"),
    ambiguous("hp", "Horsepower(water)"),
    ambiguous("hp", "Horsepower(metric)"),
    ambiguous("Horsepower", "Horsepower(electric)"),
    ambiguous("Horsepower", "Horsepower(international)"),
    ambiguous("Horsepower", "Horsepower(water)"),
    ambiguous("Horsepower", "Horsepower(metric)"),
}};

// The 420 pairs: constants built from the jouls/hour column by the table's rule when the program
// is built, the two unchanged pairs between jouls/second and Watts, and the 25 chains where the
// rule gives zero.
const ConversionTable& powertable() {
  static const ConversionTable table(static_cast<int>(kPowerUnits.size()),
                                     prebuiltcells(CategoryId::Power));
  return table;
}

}  // namespace

const CategoryRecord& powercategory() {
  static const CategoryRecord category{
      .id = CategoryId::Power,
      .caption = "Power",
      .units = kPowerUnits,
      .table = powertable,
      .shape = Shape::PairScan,
      .failures = FailureDisplay::Silent,
      .emptytext = EmptyText::Read,
      .names = kNames,
      .definitions = kPowerDefinitions,
      .ambiguous = kAmbiguous,
  };
  return category;
}

}  // namespace merovane
