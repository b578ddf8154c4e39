#include "categories/findenergy.h"

#include <array>

#include "categories/findenergy_data.h"

namespace merovane {
namespace {

constexpr const auto& kUnits = kEnergyUnits;

// Rows are source units, columns destination units. Each literal is the ratio of the two units'
// sizes in joules to 8 decimal places, or to 9 significant digits from Ergs to the five largest
// units, where 8 places would leave zero.
constexpr std::array<std::array<double, 9>, 9> kConstants = {{
    {kNone, 0.00000002, 0.0000001, 0.00000007, 2.38845897E-11, 9.47816988E-11, 3.68781061E-11,
     2.77777778E-11, 3.72506122E-14},
    {41868000, kNone, 4.1868, 3.08802509, 0.001, 0.00396832, 0.00154401, 0.001163, 0.00000156},
    {10000000, 0.2388459, kNone, 0.73756212, 0.00023885, 0.00094782, 0.00036878, 0.00027778,
     0.00000037},
    {13558180, 0.32383157, 1.355818, kNone, 0.00032383, 0.00128507, 0.0005, 0.00037662, 0.00000051},
    {41868000000, 1000, 4186.8, 3088.02508891, kNone, 3.96832016, 1.54401254, 1.163, 0.00155961},
    {10550560000, 251.99579631, 1055.056, 778.16934131, 0.2519958, kNone, 0.38908467, 0.29307111,
     0.00039301},
    {27116360000, 647.66313175, 2711.636, 2000, 0.64766313, 2.57013467, kNone, 0.75323222,
     0.0010101},
    {36000000000, 859.84522786, 3600, 2655.22363621, 0.85984523, 3.41214116, 1.32761182, kNone,
     0.00134102},
    {26845196400000, 641186.50042992, 2684519.64, 1980000, 641.18650043, 2544.43331918, 990,
     745.6999, kNone},
}};

// The symbols and other names the units answer to, one unit a line.
// clang-format off
constexpr std::array<UnitName, 15> kNames = {{
    name("Erg", "Ergs"),
    symbol("cal", "Calories"), name("Calorie", "Calories"),
    symbol("J", "Joules"), name("Joule", "Joules"),
    symbol("ft-lb", "Foot-pounds"), symbol("ft-lbf", "Foot-pounds"),
        name("Foot-pound", "Foot-pounds"),
    symbol("kcal", "Kilocalories"), name("Kilocalorie", "Kilocalories"),
    name("BTUs", "BTU"),
    name("Foot-ton", "Foot-tons"),
    symbol("Wh", "Watt-hours"), name("Watt-hour", "Watt-hours"),
    name("Horsepower-hour", "Horsepower-hours"),
}};
// clang-format on

// The 72 constants, each held as the literal the table writes.
const ConversionTable& energytable() {
  static const ConversionTable table = literaltable(kConstants);
  return table;
}

}  // namespace

const CategoryRecord& energycategory() {
  static const CategoryRecord category{
      .id = CategoryId::Energy,
      .caption = "Energy",
      .units = kUnits,
      .table = energytable,
      .shape = Shape::PairScan,
      .failures = FailureDisplay::Silent,
      .emptytext = EmptyText::Read,
      .names = kNames,
      .definitions = kEnergyDefinitions,
      .multiples = kEnergyMultiples,
  };
  return category;
}

}  // namespace merovane
