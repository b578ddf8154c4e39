// Area's data: the units and each one's exact definition in square metres. Included by the
// category's record and by merovane-tablegen.
#pragma once

#include <array>
#include <string_view>

#include "categories/baseconstants.h"
#include "core/definition.h"

namespace merovane {

inline constexpr std::array<std::string_view, 12> kAreaUnits = {"Square centimeters",
                                                                "Square meters",
                                                                "Square kilometers",
                                                                "Ares",
                                                                "Hectares",
                                                                "Square inches",
                                                                "Square feet",
                                                                "Square yard",
                                                                "Square rods",
                                                                "Square chains",
                                                                "Acres",
                                                                "Square miles"};

// The international units squared, in inches: a rod is 198, a chain 792, a mile 63360; an acre
// is ten square chains (the table's 4046.8564224 square metres, the international acre).
inline constexpr std::array<Definition, 12> kAreaDefinitions = [] {
  using base::exact;
  const auto squareinches = [](std::string_view inches) {
    return base::raised(base::kInch * exact(inches), 2);
  };
  return std::array<Definition, 12>{{
      {exact("0.0001")},
      {exact("1")},
      {exact("1000000")},
      {exact("100")},
      {exact("10000")},
      {squareinches("1")},
      {squareinches("12")},
      {squareinches("36")},
      {squareinches("198")},
      {squareinches("792")},
      {squareinches("792") * exact("10")},
      {squareinches("63360")},
  }};
}();

}  // namespace merovane
