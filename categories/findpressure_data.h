// Pressure's data: the units and each one's exact definition in pascals. Included by the
// category's record and by merovane-tablegen.
#pragma once

#include <array>
#include <string_view>

#include "categories/baseconstants.h"
#include "core/definition.h"
#include "core/unitname.h"

namespace merovane {

// clang-format off
inline constexpr std::array<std::string_view, 9> kPressureUnits = {
    "Pascals", "Millibars/Hectopascals", "Inches of water column", "Kilopascals",
    "Inches of mercury in (Hg)", "Pounds/square inch(psi)", "Atmospheres", "Megapascals",
    "Kilopounds/square inch"};
// clang-format on

// The inch columns are conventional: water of 1000 kg/m³ (the table's 249.0889 Pa, water at
// 4 °C) and mercury of 13595.1 kg/m³ (at 0 °C), both under standard gravity; a pound per square
// inch is a pound-force on the international square inch.
inline constexpr std::array<Definition, 9> kPressureDefinitions = [] {
  using base::exact;
  const ExactProduct column = base::kStandardGravity * base::kInch;
  const ExactProduct psi = base::kPound * base::kStandardGravity * base::raised(base::kInch, -2);
  return std::array<Definition, 9>{{
      {exact("1")},
      {exact("100")},
      {base::kWaterDensity * column},
      {exact("1000")},
      {base::kMercuryDensity * column},
      {psi},
      {base::kAtmosphere},
      {exact("1000000")},
      {psi * exact("1000")},
  }};
}();

// Exact multiples of listed units: the bar, the torr (an atmosphere's 760th part) and the
// millimetre of mercury (an inch of mercury's 25.4th part, so that an inch is 25.4 of them); each
// factor as a conversion multiplies by it and exactly.
// clang-format off
inline constexpr std::array<UnitMultiple, 7> kPressureMultiples = {{
    multiple(name("Bar", "Millibars/Hectopascals"), 1000, "1000"),
        multiple(name("Bars", "Millibars/Hectopascals"), 1000, "1000"),
    multiple(name("Torr", "Atmospheres"), 1.0 / 760, "1", "760"),
    multiple(symbol("mmHg", "Inches of mercury in (Hg)"), 1 / 25.4, "1", "25.4"),
        multiple(name("Millimeters of mercury", "Inches of mercury in (Hg)"), 1 / 25.4, "1", "25.4"),
        multiple(name("Millimeter of mercury", "Inches of mercury in (Hg)"), 1 / 25.4, "1", "25.4"),
        multiple(name("Millimeters of Hg", "Inches of mercury in (Hg)"), 1 / 25.4, "1", "25.4"),
}};
// clang-format on

}  // namespace merovane
