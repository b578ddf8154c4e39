#include "categories/findforce.h"

#include <array>

#include "categories/findforce_data.h"

namespace merovane {
namespace {

constexpr const auto& kUnits = kForceUnits;

// A unit by its listed name.
consteval int unit(std::string_view name) {
  return unitposition(kUnits, name);
}

// Rows are source units, columns destination units. The literals are ratios of the units' sizes
// written to 6 or 8 places, not all rounded alike (Kilogram force to Pounds force is 2.204623,
// Tonnes forces to Kilopounds 2.204622), so each is kept as written rather than derived.
constexpr std::array<std::array<double, 7>, 7> kConstants = {{
    {kNone, 0.00001, 0.00007233, 0.00000225, 2.24808943E-09, 0.000001, kNone},
    {100000, kNone, 7.23301146, 0.22480894, 0.00022481, 0.101972, 0.000102},
    {13825.5, 0.138255, kNone, 0.03108096, 0.00003108, 0.014098, 0.000014},
    {444822.1615, 4.44822161, 32.17403794, kNone, 0.001, 0.453592, 0.000454},
    {444822161.5, 4448.221615, 32174.03793715, 1000, kNone, 453.592409, 0.453592},
    {980665, 9.80665, 70.931612, 2.204623, 0.002205, kNone, 0.001},
    {980665000, 9806.65, 70931.611877, 2204.622622, 2.204622, 1000, kNone},
}};

ConversionTable buildtable() {
  ConversionTable table = literaltable(kConstants);
  // One 8-place constant from Dynes to Tonnes forces would be zero, so the pair chains Newtons to
  // Tonnes forces and Dynes to Newtons, and its product keeps 8 decimal places.
  table.set(unit("Dynes"), unit("Tonnes forces"), PairExpression::chain({0.000102, 0.00001}, 8));
  return table;
}

// The symbols and other names the units answer to, one unit a line.
// clang-format off
constexpr std::array<UnitName, 18> kNames = {{
    symbol("dyn", "Dynes"), name("Dyne", "Dynes"),
    symbol("N", "Newtons"), name("Newton", "Newtons"),
    symbol("pdl", "Poundals"), name("Poundal", "Poundals"),
    symbol("lbf", "Pounds force"), name("Pound force", "Pounds force"),
        name("Pound-force", "Pounds force"),
    symbol("kip", "Kilopounds"), name("Kilopound", "Kilopounds"),
    symbol("kgf", "Kilogram force"), name("Kilograms force", "Kilogram force"),
        name("Kilogram-force", "Kilogram force"),
    symbol("tf", "Tonnes forces"), name("Tonne force", "Tonnes forces"),
        name("Tonnes force", "Tonnes forces"), name("Tonne-force", "Tonnes forces"),
}};
// clang-format on

// The 42 pairs: 41 literal constants and the rounded chain from Dynes to Tonnes forces.
const ConversionTable& forcetable() {
  static const ConversionTable table = buildtable();
  return table;
}

}  // namespace

const CategoryRecord& forcecategory() {
  static const CategoryRecord category{
      .id = CategoryId::Force,
      .caption = "Force",
      .units = kUnits,
      .table = forcetable,
      .shape = Shape::PairScan,
      .failures = FailureDisplay::Silent,
      .emptytext = EmptyText::Read,
      .names = kNames,
      .definitions = kForceDefinitions,
  };
  return category;
}

}  // namespace merovane
