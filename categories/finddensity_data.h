// Density's data: the units, each one's exact definition in kilograms per cubic metre, the
// column the table's rule works from and the pairs set on top of it. Included by the category's
// record and by merovane-tablegen.
#pragma once

#include <array>
#include <string_view>

#include "categories/baseconstants.h"
#include "categories/ruledata.h"
#include "core/category.h"

namespace merovane {

inline constexpr std::array<std::string_view, 17> kDensityUnits = {
    "Grains/gallon",         "Grams/cubic centimeters", "Grams/liter",
    "Grams/milliliters",     "Kilograms/cubic meters",  "Kilograms/liter",
    "Megagrams/cubic meter", "Milligrams/milliliter",   "Milligrams/liter",
    "Ounces/cubic inch",     "Ounces/gallon",           "Pounds/cubic inch",
    "Pounds/cubic foot",     "Pounds/gallon",           "Slugs/cubic foot",
    "Tonnes/cubic meter",    "Tons/cubic yard"};

namespace densitydata {
using base::exact;
using base::kInch;
using base::kPound;
using base::per;
using base::raised;
consteval int unit(std::string_view name) {
  return unitposition(kDensityUnits, name);
}
inline constexpr ExactProduct kPerCubicInch = raised(kInch, -3);
inline constexpr ExactProduct kPerGallon = per(base::kGallonCubicInches) * kPerCubicInch;
// The gallons are US liquid gallons (the table's 0.017118 for a grain per gallon); the ton is
// the short ton of 2000 pounds (its 1186.552843 for a ton per cubic yard); a slug is the mass
// a pound-force accelerates by a foot per second squared.
// clang-format off
inline constexpr std::array<Definition, 17> kDefinitions = {{
    {base::kGrain * kPerGallon}, {exact("1000")}, {exact("1")}, {exact("1000")}, {exact("1")},
    {exact("1000")}, {exact("1000")}, {exact("1")}, {exact("0.001")},
    {kPound * per("16") * kPerCubicInch}, {kPound * per("16") * kPerGallon},
    {kPound * kPerCubicInch}, {kPound * kPerCubicInch * per("1728")}, {kPound * kPerGallon},
    {kPound * base::kStandardGravity * raised(kInch * exact("12"), -4)}, {exact("1000")},
    {kPound * exact("2000") * raised(kInch * exact("36"), -3)},
}};

// One unit in kilograms per cubic metre, as the table has always had it.
inline constexpr std::array<ExactProduct, 17> kKilogramsPerCubicMeter = {
    exact("0.017118"), exact("1000"), exact("1"), exact("1000"), exact("1"), exact("1000"),
    exact("1000"), exact("1"), exact("0.001"), exact("1729.994044"), exact("7.489152"),
    exact("27679.904"), exact("16.018463"), exact("119.826427"), exact("515.317882"),
    exact("1000"), exact("1186.552843")};
// clang-format on

// Toward Grains/gallon the rule multiplies by this constant, the one from Kilograms/cubic meters,
// instead of dividing by the size of Grains/gallon.
inline constexpr std::string_view kGrainsPerGallonFactor = "58.418";

inline constexpr std::array<RuleCell, 4> kCells = {{
    ruleconstant(unit("Grains/gallon"), unit("Milligrams/liter"), 17.118012),
    ruleconstant(unit("Slugs/cubic foot"), unit("Grains/gallon"), 30103.840034),
    ruleconstant(unit("Slugs/cubic foot"), unit("Milligrams/liter"), 515317.88206),
    // The ratio would round to zero; the chain through Grams/liter keeps 6 decimal places of the
    // product instead.
    rulechain(unit("Milligrams/liter"), unit("Pounds/cubic inch"), {0.001, 0.000036}, 6),
}};
}  // namespace densitydata

inline constexpr std::array<Definition, 17> kDensityDefinitions = densitydata::kDefinitions;
inline constexpr RuleData kDensityRule = {densitydata::kKilogramsPerCubicMeter,
                                          densitydata::unit("Kilograms/cubic meters"), "kg/m³",
                                          densitydata::kCells};

}  // namespace merovane
