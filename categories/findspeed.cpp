#include "categories/findspeed.h"

#include <array>

#include "categories/prebuilt.h"
#include "categories/writtenforms.h"

namespace merovane {

namespace {

// The symbols and other names the units answer to, one unit a line.
// clang-format off
constexpr std::array<UnitName, 41> kNames = {{
    symbol("cm/min", "Centimeters/minute"), name("Centimeter/minute", "Centimeters/minute"),
    symbol("cm/s", "Centimeters/second"), name("Centimeter/second", "Centimeters/second"),
    symbol("ft/h", "Feet/hour"), name("Foot/hour", "Feet/hour"),
    symbol("ft/min", "Feet/minute"), name("Foot/minute", "Feet/minute"),
    symbol("ft/s", "Feet/second"), name("Foot/second", "Feet/second"),
    symbol("in/min", "Inches/minute"), name("Inch/minute", "Inches/minute"),
    symbol("in/s", "Inches/second"), name("Inch/second", "Inches/second"),
    symbol("km/h", "Kilometers/hour"), symbol("kph", "Kilometers/hour"),
        name("Kilometer/hour", "Kilometers/hour"),
    symbol("km/s", "Kilometers/second"), name("Kilometer/second", "Kilometers/second"),
    symbol("kn", "Knots"), name("Knot", "Knots"),
    symbol("m/h", "Meters/hour"), name("Meter/hour", "Meters/hour"),
    symbol("m/min", "Meters/minute"), name("Meter/minute", "Meters/minute"),
    symbol("m/s", "Meters/second"), name("Meter/second", "Meters/second"),
    symbol("mph", "Miles/hour"), symbol("mi/h", "Miles/hour"), name("Mile/hour", "Miles/hour"),
    symbol("mi/min", "Miles/minute"), name("Mile/minute", "Miles/minute"),
    symbol("mi/s", "Miles/second"), name("Mile/second", "Miles/second"),
    symbol("c", "Speed of light"),
    symbol("yd/h", "Yards/hour"), name("Yard/hour", "Yards/hour"),
    symbol("yd/min", "Yards/minute"), name("Yard/minute", "Yards/minute"),
    symbol("yd/s", "Yards/second"), name("Yard/second", "Yards/second"),
}};
// clang-format on

// British spellings.
constexpr std::array<WrittenForm, 1> kWrittenForms = {kMetre};

// The single constants built from the meters-per-second column by the table's rule when the
// program is built, with the chain pairs set on top.
const ConversionTable& speedtable() {
  static const ConversionTable table(static_cast<int>(kSpeedUnits.size()),
                                     prebuiltcells(CategoryId::Speed));
  return table;
}

}  // namespace

const CategoryRecord& speedcategory() {
  static const CategoryRecord category{
      .id = CategoryId::Speed,
      .caption = "Speed",
      .units = kSpeedUnits,
      .table = speedtable,
      .shape = Shape::PairScan,
      .failures = FailureDisplay::Silent,
      .emptytext = EmptyText::Read,
      .names = kNames,
      .definitions = kSpeedDefinitions,
      .writtenforms = kWrittenForms,
  };
  return category;
}

}  // namespace merovane
