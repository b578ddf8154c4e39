// Force's data: the units and each one's exact definition in newtons. Included by the category's
// record and by merovane-tablegen.
#pragma once

#include <array>
#include <string_view>

#include "categories/baseconstants.h"
#include "core/definition.h"

namespace merovane {

inline constexpr std::array<std::string_view, 7> kForceUnits = {
    "Dynes",      "Newtons",        "Poundals",     "Pounds force",
    "Kilopounds", "Kilogram force", "Tonnes forces"};

// A poundal moves a pound by a foot per second squared; the pound-force and kilogram-force are
// their masses under standard gravity; a kilopound is 1000 pounds force, a tonne force 1000
// kilograms force.
inline constexpr std::array<Definition, 7> kForceDefinitions = [] {
  using base::exact;
  const ExactProduct poundforce = base::kPound * base::kStandardGravity;
  return std::array<Definition, 7>{{
      {exact("0.00001")},
      {exact("1")},
      {base::kPound * base::kInch * exact("12")},
      {poundforce},
      {poundforce * exact("1000")},
      {base::kStandardGravity},
      {base::kStandardGravity * exact("1000")},
  }};
}();

}  // namespace merovane
