// Temperature's data: the scales, each one's exact map to kelvin, and the four factors between
// scales that share their zero point. Included by the category's record and by
// merovane-tablegen.
#pragma once

#include <array>
#include <string_view>

#include "categories/baseconstants.h"
#include "core/category.h"
#include "core/definition.h"

namespace merovane {

inline constexpr std::array<std::string_view, 5> kTempUnits = {"Celsius", "Fahrenheit", "Kelvin",
                                                               "Rankine", "Reaumur"};

// kelvin = reading * size + offset: a Fahrenheit or Rankine degree is 5/9 kelvin, a Reaumur
// degree 5/4; Celsius and Reaumur count from the ice point, Fahrenheit from 459.67 degrees above
// absolute zero.
inline constexpr std::array<Definition, 5> kTempDefinitions = [] {
  using base::exact;
  using base::per;
  const ExactProduct fahrenheitdegree = exact("5") * per("9");
  return std::array<Definition, 5>{{
      {exact("1"), base::kIcePoint},
      {fahrenheitdegree, base::kFahrenheitAbsoluteZero * fahrenheitdegree},
      {exact("1")},
      {fahrenheitdegree},
      {exact("1.25"), base::kIcePoint},
  }};
}();

// The four factors between scales that share their zero point. Every degree ratio is one of them
// or a product of two, and the stored factors keep 8 decimal places, so 212 Fahrenheit comes out
// as 100.00000094 Celsius.
inline constexpr double kKelvinToRankine = 1.8;
inline constexpr double kRankineToKelvin = 0.55555556;
inline constexpr double kCelsiusToReaumur = 0.8;
inline constexpr double kReaumurToCelsius = 1.25;

// Each factor with the pair of scales it converts between.
struct TempFactor {
  int source;
  int destination;
  double factor;
};
inline constexpr std::array<TempFactor, 4> kTempFactors = {{
    {unitposition(kTempUnits, "Kelvin"), unitposition(kTempUnits, "Rankine"), kKelvinToRankine},
    {unitposition(kTempUnits, "Rankine"), unitposition(kTempUnits, "Kelvin"), kRankineToKelvin},
    {unitposition(kTempUnits, "Celsius"), unitposition(kTempUnits, "Reaumur"), kCelsiusToReaumur},
    {unitposition(kTempUnits, "Reaumur"), unitposition(kTempUnits, "Celsius"), kReaumurToCelsius},
}};

}  // namespace merovane
