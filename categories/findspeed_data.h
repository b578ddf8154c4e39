// Speed's data: the units, each one's exact definition in metres per second, the column the
// table's rule works from and the chain pairs set on top of it. Included by the category's
// record and by merovane-tablegen.
#pragma once

#include <array>
#include <string_view>

#include "categories/baseconstants.h"
#include "categories/ruledata.h"
#include "core/category.h"

namespace merovane {

// clang-format off
inline constexpr std::array<std::string_view, 20> kSpeedUnits = {
    "Centimeters/minute", "Centimeters/second", "Feet/hour", "Feet/minute", "Feet/second",
    "Inches/minute", "Inches/second", "Kilometers/hour", "Kilometers/second", "Knots",
    "Meters/hour", "Meters/minute", "Meters/second", "Miles/hour", "Miles/minute", "Miles/second",
    "Speed of light", "Yards/hour", "Yards/minute", "Yards/second"};
// clang-format on

namespace speeddata {
using base::exact;
using base::kInch;
using base::per;
consteval int unit(std::string_view name) {
  return unitposition(kSpeedUnits, name);
}
inline constexpr ExactProduct kFoot = kInch * exact("12");
inline constexpr ExactProduct kYard = kInch * exact("36");
inline constexpr ExactProduct kMile = kInch * exact("63360");
// Every length is the international one; a knot is a nautical mile an hour.
// clang-format off
inline constexpr std::array<Definition, 20> kDefinitions = {{
    {exact("0.01") * per("60")}, {exact("0.01")},
    {kFoot * per("3600")}, {kFoot * per("60")}, {kFoot},
    {kInch * per("60")}, {kInch},
    {exact("1000") * per("3600")}, {exact("1000")}, {base::kNauticalMile * per("3600")},
    {per("3600")}, {per("60")}, {exact("1")},
    {kMile * per("3600")}, {kMile * per("60")}, {kMile},
    {base::kSpeedOfLight},
    {kYard * per("3600")}, {kYard * per("60")}, {kYard},
}};

// The speed of one unit in metres per second, as the table has always had it: exact quotients of
// its own base values. Feet/hour, Inches/minute and Yards/hour measure with the inch of 1/39.37
// metre, every other imperial unit with the inch of 0.0254 metre, so the two families differ by
// two parts in a million; the speed of light is 299790000.
inline constexpr std::array<ExactProduct, 20> kMetersPerSecond = {
    exact("0.01") * per("60"), exact("0.01"),
    exact("12") * per("39.37") * per("3600"), exact("0.3048") * per("60"), exact("0.3048"),
    per("39.37") * per("60"), exact("0.0254"),
    exact("1000") * per("3600"), exact("1000"),
    exact("1852") * per("3600"),
    per("3600"), per("60"), exact("1"),
    exact("1609.344") * per("3600"), exact("1609.344") * per("60"), exact("1609.344"),
    exact("299790000"),
    exact("36") * per("39.37") * per("3600"), exact("0.9144") * per("60"), exact("0.9144")};

// Pairs whose constant would round to zero go through intermediate units, each factor being the
// table's own constant for one step of the path, multiplied in the order written here (not
// always the order of the path), the product kept to 7 decimal places.
inline constexpr int kPlaces = 7;
inline constexpr std::array<RuleCell, 27> kCells = {{
    rulechain(unit("Centimeters/minute"), unit("Kilometers/second"), {0.000167, 0.001}, kPlaces),
    rulechain(unit("Centimeters/minute"), unit("Miles/second"), {0.000621, 0.000167}, kPlaces),
    rulechain(unit("Centimeters/minute"), unit("Speed of light"), {0.000003, 0.000167, 0.001}, kPlaces),
    rulechain(unit("Centimeters/second"), unit("Speed of light"), {0.00001, 0.000003}, kPlaces),
    rulechain(unit("Feet/hour"), unit("Kilometers/second"), {0.000085, 0.001}, kPlaces),
    rulechain(unit("Feet/hour"), unit("Miles/second"), {0.000003, 0.016667}, kPlaces),
    rulechain(unit("Feet/hour"), unit("Speed of light"), {0.000003, 0.000085, 0.001}, kPlaces),
    rulechain(unit("Feet/minute"), unit("Speed of light"), {0.000005, 0.000003}, kPlaces),
    rulechain(unit("Feet/second"), unit("Speed of light"), {0.000305, 0.000003}, kPlaces),
    rulechain(unit("Inches/minute"), unit("Kilometers/second"), {0.001524, 0.000278}, kPlaces),
    rulechain(unit("Inches/minute"), unit("Miles/second"), {0.000016, 0.016667}, kPlaces),
    rulechain(unit("Inches/minute"), unit("Speed of light"), {0.001524, 0.000278, 0.000003}, kPlaces),
    rulechain(unit("Inches/second"), unit("Speed of light"), {0.000025, 0.000003}, kPlaces),
    rulechain(unit("Kilometers/hour"), unit("Speed of light"), {0.000278, 0.000003}, kPlaces),
    rulechain(unit("Knots"), unit("Speed of light"), {0.000514, 0.000003}, kPlaces),
    rulechain(unit("Meters/hour"), unit("Kilometers/second"), {0.001, 0.000278}, kPlaces),
    rulechain(unit("Meters/hour"), unit("Miles/second"), {0.00001, 0.016667}, kPlaces),
    rulechain(unit("Meters/hour"), unit("Speed of light"), {0.001, 0.000278, 0.000003}, kPlaces),
    rulechain(unit("Meters/minute"), unit("Speed of light"), {0.000017, 0.000003}, kPlaces),
    rulechain(unit("Meters/second"), unit("Speed of light"), {0.001, 0.000003}, kPlaces),
    rulechain(unit("Miles/hour"), unit("Speed of light"), {0.000447, 0.000003}, kPlaces),
    rulechain(unit("Miles/minute"), unit("Speed of light"), {0.026822, 0.000003}, kPlaces),
    rulechain(unit("Yards/hour"), unit("Kilometers/second"), {0.000914, 0.000278}, kPlaces),
    rulechain(unit("Yards/hour"), unit("Miles/second"), {0.000009, 0.016667}, kPlaces),
    rulechain(unit("Yards/hour"), unit("Speed of light"), {0.000914, 0.000278, 0.000003}, kPlaces),
    rulechain(unit("Yards/minute"), unit("Speed of light"), {0.000015, 0.000003}, kPlaces),
    rulechain(unit("Yards/second"), unit("Speed of light"), {0.000914, 0.000003}, kPlaces),
}};
// clang-format on
}  // namespace speeddata

inline constexpr std::array<Definition, 20> kSpeedDefinitions = speeddata::kDefinitions;
inline constexpr RuleData kSpeedRule = {speeddata::kMetersPerSecond,
                                        speeddata::unit("Meters/second"), "m/s", speeddata::kCells};

}  // namespace merovane
