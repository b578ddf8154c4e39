// Energy's data: the units and each one's exact definition in joules. Included by the category's
// record and by merovane-tablegen.
#pragma once

#include <array>
#include <string_view>

#include "categories/baseconstants.h"
#include "core/definition.h"
#include "core/unitname.h"

namespace merovane {

inline constexpr std::array<std::string_view, 9> kEnergyUnits = {
    "Ergs", "Calories",  "Joules",     "Foot-pounds",     "Kilocalories",
    "BTU",  "Foot-tons", "Watt-hours", "Horsepower-hours"};

// The calories are International Table calories, 4.1868 J, as the table's Calories to Joules
// says (Power's are thermochemical); the BTU is the International Table one (the table's
// 1055.056 J); a foot-ton is 2000 foot-pounds force, the short ton (its Foot-tons to Foot-pounds
// is 2000); a horsepower-hour is the mechanical horsepower's, 1980000 foot-pounds force.
inline constexpr std::array<Definition, 9> kEnergyDefinitions = [] {
  using base::exact;
  return std::array<Definition, 9>{{
      {exact("0.0000001")},
      {base::kCalorieIT},
      {exact("1")},
      {base::kFootPoundForce},
      {base::kCalorieIT * exact("1000")},
      {base::kBtuIT},
      {base::kFootPoundForce * exact("2000")},
      {exact("3600")},
      {base::kHorsepowerMechanical * exact("3600")},
  }};
}();

// Exact multiples of listed units: the factor as a conversion multiplies by it and exactly.
// clang-format off
inline constexpr std::array<UnitMultiple, 6> kEnergyMultiples = {{
    multiple(symbol("kWh", "Watt-hours"), 1000, "1000"),
        multiple(name("Kilowatt-hours", "Watt-hours"), 1000, "1000"),
        multiple(name("Kilowatt-hour", "Watt-hours"), 1000, "1000"),
    multiple(symbol("MWh", "Watt-hours"), 1000000, "1000000"),
        multiple(name("Megawatt-hours", "Watt-hours"), 1000000, "1000000"),
        multiple(name("Megawatt-hour", "Watt-hours"), 1000000, "1000000"),
}};
// clang-format on

}  // namespace merovane
