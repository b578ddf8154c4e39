// Volume's data: the units, each one's exact definition in cubic metres, the cubic-millimetre
// column the table's rule works from and the pairs set on top of it. Included by the category's
// record and by merovane-tablegen.
#pragma once

#include <array>
#include <string_view>

#include "categories/baseconstants.h"
#include "categories/ruledata.h"
#include "core/category.h"

namespace merovane {

// clang-format off
inline constexpr std::array<std::string_view, 21> kVolumeUnits = {
    "Barrels", "Bushels", "Centiliters", "Cubic centimeters", "Cubic decimeters",
    "Cubic decameters", "Cubic feet", "Cubic inches", "Cubic meters", "Cubic millimeters",
    "Cubic yards", "Cups", "Deciliters", "Fluid ounces", "Gallons", "Liters", "Milliliters",
    "Pints", "Quarts", "Table spoons", "Tea spoons"};
// clang-format on

namespace volumedata {
using base::exact;
using base::kInch;
using base::per;
using base::raised;
consteval int unit(std::string_view name) {
  return unitposition(kVolumeUnits, name);
}
inline constexpr ExactProduct kCubicInch = raised(kInch, 3);
inline constexpr ExactProduct kGallon = kCubicInch * exact(base::kGallonCubicInches);
// The kitchen and liquid measures are US customary, fractions of the US gallon (the table's Cup
// of 236.5882365 millilitres is the US cup, not the metric or legal one): a quart is a quarter,
// a pint an eighth, a cup a sixteenth, a fluid ounce 1/128; a tablespoon is half a fluid ounce,
// a teaspoon a third of a tablespoon. The barrel is the oil barrel, the bushel the Winchester
// bushel (the table's 158987294.928 and 35239070.16688 cubic millimetres).
// clang-format off
inline constexpr std::array<Definition, 21> kDefinitions = {{
    {kGallon * exact(base::kBarrelGallons)}, {kCubicInch * exact(base::kBushelCubicInches)},
    {exact("0.00001")}, {exact("0.000001")}, {exact("0.001")}, {exact("1000")},
    {kCubicInch * exact("1728")}, {kCubicInch}, {exact("1")}, {exact("0.000000001")},
    {kCubicInch * exact("46656")}, {kGallon * per("16")}, {exact("0.0001")},
    {kGallon * per("128")}, {kGallon}, {exact("0.001")}, {exact("0.000001")},
    {kGallon * per("8")}, {kGallon * per("4")}, {kGallon * per("256")},
    {kGallon * per("768")},
}};

// The volume of one unit in cubic millimetres, as the table has always had it. The three kitchen
// measures below a Cup are exact fractions of it.
inline constexpr ExactProduct kCup = exact("236588.2365");
inline constexpr std::array<ExactProduct, 21> kCubicMillimeters = {
    exact("158987294.928"), exact("35239070.16688"), exact("10000"), exact("1000"),
    exact("1000000"), exact("1000000000000"), exact("28316846.592"), exact("16387.064"),
    exact("1000000000"), exact("1"), exact("764554857.984"), kCup, exact("100000"),
    kCup * per("8"), exact("3785411.784"), exact("1000000"), exact("1000"),
    exact("473176.473"), exact("946352.946"), kCup * per("16"), kCup * per("48")};

// Two names for one size pass the value as it is, both ways; three pairs double it; pairs whose
// constant would round to zero go through an intermediate unit, each factor being that unit's
// own table constant, multiplied in the order written here, the product kept to 6 places but
// for Fluid ounces to Cubic decameters.
inline constexpr int kPlaces = 6;
inline constexpr std::array<RuleCell, 24> kCells = {{
    ruleunchanged(unit("Cubic centimeters"), unit("Milliliters")),
    ruleunchanged(unit("Milliliters"), unit("Cubic centimeters")),
    ruleunchanged(unit("Cubic decimeters"), unit("Liters")),
    ruleunchanged(unit("Liters"), unit("Cubic decimeters")),
    ruledoubled(unit("Fluid ounces"), unit("Table spoons")),
    ruledoubled(unit("Pints"), unit("Cups")),
    ruledoubled(unit("Quarts"), unit("Pints")),
    rulechain(unit("Centiliters"), unit("Cubic decameters"), {0.01, 0.000001}, kPlaces),
    rulechain(unit("Cubic centimeters"), unit("Cubic decameters"), {0.001, 0.000001}, kPlaces),
    rulechain(unit("Cubic inches"), unit("Cubic decameters"), {0.016387, 0.000001}, kPlaces),
    rulechain(unit("Cubic millimeters"), unit("Cubic decameters"), {0.000001, 0.000001}, kPlaces),
    rulechain(unit("Cups"), unit("Cubic decameters"), {0.236588, 0.000001}, kPlaces),
    rulechain(unit("Deciliters"), unit("Cubic decameters"), {0.1, 0.000001}, kPlaces),
    rulechain(unit("Fluid ounces"), unit("Cubic decameters"), {0.029574, 0.000001}),
    rulechain(unit("Milliliters"), unit("Cubic decameters"), {0.001, 0.000001}, kPlaces),
    rulechain(unit("Pints"), unit("Cubic decameters"), {0.000001, 0.473176}, kPlaces),
    rulechain(unit("Table spoons"), unit("Cubic decameters"), {0.014787, 0.000001}, kPlaces),
    rulechain(unit("Tea spoons"), unit("Cubic decameters"), {0.000001, 0.004929}, kPlaces),
    rulechain(unit("Cubic millimeters"), unit("Barrels"), {0.0001, 0.000063}, kPlaces),
    rulechain(unit("Cubic millimeters"), unit("Bushels"), {0.0001, 0.000284}, kPlaces),
    rulechain(unit("Cubic millimeters"), unit("Cubic feet"), {0.000001, 0.035315}, kPlaces),
    rulechain(unit("Cubic millimeters"), unit("Cubic meters"), {0.000061, 0.000016}, kPlaces),
    rulechain(unit("Cubic millimeters"), unit("Cubic yards"), {0.001, 0.000001}, kPlaces),
    rulechain(unit("Cubic millimeters"), unit("Gallons"), {0.001, 0.000264}, kPlaces),
}};
// clang-format on
}  // namespace volumedata

inline constexpr std::array<Definition, 21> kVolumeDefinitions = volumedata::kDefinitions;
inline constexpr RuleData kVolumeRule = {volumedata::kCubicMillimeters,
                                         volumedata::unit("Cubic millimeters"), "mm³",
                                         volumedata::kCells};

}  // namespace merovane
