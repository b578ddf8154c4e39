// The named constants every unit's exact definition is built from, each with where it comes
// from. Data only: the categories' records and the build-time tools include it.
#pragma once

#include <string_view>

#include "core/definition.h"

namespace merovane::base {

// One decimal to a whole power as a product, so that definitions read as products of constants.
constexpr ExactProduct exact(std::string_view decimal, int power = 1) {
  return ExactProduct{{decimal, static_cast<std::int8_t>(power)}};
}
// The reciprocal of a count ("per 60").
constexpr ExactProduct per(std::string_view decimal) {
  return exact(decimal, -1);
}

// A product raised to a whole power: every term's power times `power`.
constexpr ExactProduct raised(ExactProduct product, int power) {
  for (int at = 0; at < product.count; ++at)
    product.terms[at].power = static_cast<std::int8_t>(product.terms[at].power * power);
  return product;
}

// Length, in metres.
// The international inch, from the international yard and pound agreement, 1959 (the foot of
// 12 inches is the international foot; the US survey foot was retired in 2022).
inline constexpr ExactProduct kInch = exact("0.0254");
// The international nautical mile, International Hydrographic Conference, 1929.
inline constexpr ExactProduct kNauticalMile = exact("1852");
// The light year: a Julian year of 365.25 days at the speed of light, IAU.
inline constexpr ExactProduct kLightYear = exact("9460730472580800");

// Speed, in metres per second: the speed of light, exact since the metre's definition, CGPM 1983.
inline constexpr ExactProduct kSpeedOfLight = exact("299792458");

// Mass, in kilograms: the avoirdupois pound, international yard and pound agreement, 1959.
inline constexpr ExactProduct kPound = exact("0.45359237");
// The grain, 1/7000 of the avoirdupois pound (same agreement).
inline constexpr ExactProduct kGrain = kPound * per("7000");
// The metric carat of 200 milligrams, CGPM 1907.
inline constexpr ExactProduct kCarat = exact("0.0002");

// Standard gravity in metres per second squared, CGPM 1901.
inline constexpr ExactProduct kStandardGravity = exact("9.80665");

// Volume, in cubic inches: the US liquid gallon (the wine gallon of 1707, US customary) and the
// Winchester bushel (US customary dry measure).
inline constexpr std::string_view kGallonCubicInches = "231";
inline constexpr std::string_view kBushelCubicInches = "2150.42";
// The oil barrel of 42 US gallons, American Petroleum Institute.
inline constexpr std::string_view kBarrelGallons = "42";

// Energy, in joules.
// The International Table calorie, Fifth International Conference on the Properties of Steam, 1956.
inline constexpr ExactProduct kCalorieIT = exact("4.1868");
// The thermochemical calorie, 4.184 J by definition.
inline constexpr ExactProduct kCalorieThermochemical = exact("4.184");
// The International Table British thermal unit, the same conference, 1956.
inline constexpr ExactProduct kBtuIT = exact("1055.05585262");

// Power, in watts.
// The electric horsepower, 746 W by definition.
inline constexpr ExactProduct kHorsepowerElectric = exact("746");
// The water horsepower, 746.043 W, as unit tables give it (GNU units, waterhorsepower).
inline constexpr ExactProduct kHorsepowerWater = exact("746.043");
// The metric horsepower (Pferdestärke): 75 kilogram-force metres per second.
inline constexpr ExactProduct kHorsepowerMetric = exact("75") * kStandardGravity;
// The mechanical (imperial) horsepower: 550 foot-pounds force per second.
inline constexpr ExactProduct kFootPoundForce = kInch * exact("12") * kPound * kStandardGravity;
inline constexpr ExactProduct kHorsepowerMechanical = exact("550") * kFootPoundForce;

// Pressure, in pascals.
// The standard atmosphere, CGPM 1954.
inline constexpr ExactProduct kAtmosphere = exact("101325");
// Conventional densities of manometer liquids in kilograms per cubic metre, under standard
// gravity: mercury at 0 °C and water at 4 °C (BS 350, NIST SP 811).
inline constexpr ExactProduct kMercuryDensity = exact("13595.1");
inline constexpr ExactProduct kWaterDensity = exact("1000");

// Temperature: the ice point in kelvin, CGPM 1954 (with the triple point at 273.16 K), and
// absolute zero on the Fahrenheit scale, 273.15 * 9/5 - 32 below 0 °F.
inline constexpr ExactProduct kIcePoint = exact("273.15");
inline constexpr ExactProduct kFahrenheitAbsoluteZero = exact("459.67");

}  // namespace merovane::base
