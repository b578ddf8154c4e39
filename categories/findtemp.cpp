#include "categories/findtemp.h"

#include <array>

#include "categories/findtemp_data.h"

namespace merovane {
namespace {

constexpr const auto& kUnits = kTempUnits;
constexpr int kScales = static_cast<int>(kUnits.size());

// The value a reading of 1 has on the destination scale; the diagonal is never used.
constexpr double kOneDegree[kScales][kScales] = {
    {1, 33.8, 274.15, 493.47, 0.8},      {-17.22222222, 1, 255.92777778, 460.67, -13.77777778},
    {-272.15, -457.87, 1, 1.8, -217.72}, {-272.59444444, -458.67, 0.55555556, 1, -218.07555556},
    {1.25, 34.25, 274.4, 493.92, 1},
};

// Which pairs share their zero point and so only multiply.
constexpr bool kProportional[kScales][kScales] = {
    {false, false, false, false, true}, {false, false, false, false, false},
    {false, false, false, true, false}, {false, false, true, false, false},
    {true, false, false, false, false},
};

// The size of one source degree in destination degrees. The two products are formed in double
// precision from the stored factors, as the scale conversion always did.
const double kDegreeRatio[kScales][kScales] = {
    {1, kKelvinToRankine, 1, kKelvinToRankine, kCelsiusToReaumur},
    {kRankineToKelvin, 1, kRankineToKelvin, 1, kRankineToKelvin* kCelsiusToReaumur},
    {1, kKelvinToRankine, 1, kKelvinToRankine, kCelsiusToReaumur},
    {kRankineToKelvin, 1, kRankineToKelvin, 1, kRankineToKelvin* kCelsiusToReaumur},
    {kReaumurToCelsius, kReaumurToCelsius* kKelvinToRankine, kReaumurToCelsius,
     kReaumurToCelsius* kKelvinToRankine, 1},
};

ConversionTable buildtemptable() {
  ConversionTable table(kScales);
  for (int s = 0; s < kScales; ++s)
    for (int d = 0; d < kScales; ++d) {
      if (s == d) continue;
      table.set(s, d,
                kProportional[s][d] ? PairExpression::constant(kOneDegree[s][d])
                                    : PairExpression::offset(kOneDegree[s][d], kDegreeRatio[s][d]));
    }
  return table;
}

// The symbols and other names the units answer to, one unit a line.
// clang-format off
constexpr std::array<UnitName, 14> kNames = {{
    symbol("C", "Celsius"), symbol("°C", "Celsius"), symbol("degC", "Celsius"),
        name("Centigrade", "Celsius"),
    symbol("F", "Fahrenheit"), symbol("°F", "Fahrenheit"), symbol("degF", "Fahrenheit"),
    symbol("K", "Kelvin"), name("Kelvins", "Kelvin"),
    symbol("R", "Rankine"), symbol("°R", "Rankine"), symbol("degR", "Rankine"),
    symbol("°Ré", "Reaumur"), name("Réaumur", "Reaumur"),
}};
// clang-format on

// The 20 pair expressions: 4 proportional pairs and 16 offset pairs.
const ConversionTable& temptable() {
  static const ConversionTable table = buildtemptable();
  return table;
}

}  // namespace

const CategoryRecord& tempcategory() {
  static const CategoryRecord category{
      .id = CategoryId::Temperature,
      .caption = "Temperature",
      .units = kUnits,
      .table = temptable,
      .shape = Shape::PairScan,
      .failures = FailureDisplay::Silent,
      .emptytext = EmptyText::Read,
      .names = kNames,
      .definitions = kTempDefinitions,
  };
  return category;
}

}  // namespace merovane
