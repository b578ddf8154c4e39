#include "categories/finsarea.h"

#include <array>

#include "categories/finsarea_data.h"
#include "categories/writtenforms.h"

namespace merovane {
namespace {

constexpr const auto& kUnits = kAreaUnits;
constexpr int kAreaCount = static_cast<int>(kUnits.size());

// Source unit by row, destination unit by column. The constants are the size ratios at 8
// decimal places, so small ones are coarse (Square centimeters to Acres is 2e-08); four of the
// smallest keep more digits, and Square kilometers to Square feet keeps 7 places.
constexpr double kConstants[kAreaCount][kAreaCount] = {
    {kNone, 0.0001, 1e-10, 1e-06, 1e-08, 0.15500031, 0.00107639, 0.0001196, 3.95e-06, 2.5e-07,
     2e-08, 3.86102159e-11},
    {10000, kNone, 1e-06, 0.01, 0.0001, 1550.00310001, 10.76391042, 1.19599005, 0.03953686,
     0.00247105, 0.00024711, 3.9e-07},
    {10000000000, 1000000, kNone, 10000, 100, 1550003100.0062, 10763910.4167097, 1195990.04630108,
     39536.86103475, 2471.05381467, 247.10538147, 0.38610216},
    {1000000, 100, 0.0001, kNone, 0.01, 155000.31000062, 1076.39104167, 119.59900463, 3.9536861,
     0.24710538, 0.02471054, 3.861e-05},
    {100000000, 10000, 0.01, 100, kNone, 15500031.000062, 107639.1041671, 11959.90046301,
     395.36861035, 24.71053815, 2.47105381, 0.00386102},
    {6.4516, 0.00064516, 6.4516e-10, 6.45e-06, 6e-08, kNone, 0.00694444, 0.0007716, 2.551e-05,
     1.59e-06, 1.6e-07, 2.49097669e-10},
    {929.0304, 0.09290304, 9e-08, 0.00092903, 9.29e-06, 144, kNone, 0.11111111, 0.00367309,
     0.00022957, 2.296e-05, 4e-08},
    {8361.2736, 0.83612736, 8.4e-07, 0.00836127, 8.361e-05, 1296, 9, kNone, 0.03305785, 0.00206612,
     0.00020661, 3.2e-07},
    {252928.5264, 25.29285264, 2.529e-05, 0.25292853, 0.00252929, 39204, 272.25, 30.25, kNone,
     0.0625, 0.00625, 9.77e-06},
    {4046856.4224, 404.68564224, 0.00040469, 4.04685642, 0.04046856, 627264, 4356, 484, 16, kNone,
     0.1, 0.00015625},
    {40468564.224, 4046.8564224, 0.00404686, 40.46856422, 0.40468564, 6272640, 43560, 4840, 160, 10,
     kNone, 0.0015625},
    {25899881103.36, 2589988.110336, 2.58998811, 25899.88110336, 258.99881103, 4014489600, 27878400,
     3097600, 102400, 6400, 640, kNone},
};

ConversionTable buildareatable() {
  return literaltable(kConstants);
}

// The symbols and other names the units answer to, one unit a line.
// clang-format off
constexpr std::array<UnitName, 23> kNames = {{
    symbol("cm2", "Square centimeters"), name("Square centimeter", "Square centimeters"),
    symbol("m2", "Square meters"), name("Square meter", "Square meters"),
    symbol("km2", "Square kilometers"), name("Square kilometer", "Square kilometers"),
    name("Are", "Ares"),
    symbol("ha", "Hectares"), name("Hectare", "Hectares"),
    symbol("in2", "Square inches"), name("Square inch", "Square inches"),
    symbol("ft2", "Square feet"), name("Square foot", "Square feet"),
    symbol("yd2", "Square yard"), name("Square yards", "Square yard"),
    symbol("rd2", "Square rods"), name("Square rod", "Square rods"),
    symbol("ch2", "Square chains"), name("Square chain", "Square chains"),
    symbol("ac", "Acres"), name("Acre", "Acres"),
    symbol("mi2", "Square miles"), name("Square mile", "Square miles"),
}};
// clang-format on

// British spellings, and a square written m^2, m² or sq m.
constexpr std::array<WrittenForm, 4> kWrittenForms = {kMetre, kCaretSquared, kSuperscriptSquared,
                                                      kSquare};

// The 132 constants, each exactly as the system has always multiplied by it.
const ConversionTable& areatable() {
  static const ConversionTable table = buildareatable();
  return table;
}

}  // namespace

const CategoryRecord& areacategory() {
  static const CategoryRecord category{
      .id = CategoryId::Area,
      .caption = "Area",
      .units = kUnits,
      .table = areatable,
      .shape = Shape::PairScan,
      .failures = FailureDisplay::Silent,
      .emptytext = EmptyText::Read,
      .names = kNames,
      .definitions = kAreaDefinitions,
      .writtenforms = kWrittenForms,
  };
  return category;
}

}  // namespace merovane
