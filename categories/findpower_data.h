// Power's data: the units, each one's exact definition in watts, the jouls/hour column the
// table's rule works from and the pairs set on top of it. Included by the category's record and
// by merovane-tablegen.
#pragma once

#include <array>
#include <string_view>

#include "categories/baseconstants.h"
#include "categories/ruledata.h"
#include "core/category.h"

namespace merovane {

inline constexpr std::array<std::string_view, 21> kPowerUnits = {"BTU/ hour",
                                                                 "BTU/minute",
                                                                 "BTU/second",
                                                                 "Calories/hour",
                                                                 "Calories/minute",
                                                                 "Calories/second",
                                                                 "jouls/hour",
                                                                 "jouls/minute",
                                                                 "jouls/second",
                                                                 "Kilocalories/hour",
                                                                 "Kilocalories/minute",
                                                                 "Watts",
                                                                 "Kilowatts",
                                                                 "Megawatts",
                                                                 "Gigawatts",
                                                                 "Horsepower(electric)",
                                                                 "Horsepower(international)",
                                                                 "Horsepower(water)",
                                                                 "Horsepower(metric)",
                                                                 "Foot-pound force/minute",
                                                                 "Foot-pound force/second"};

namespace powerdata {
using base::exact;
using base::per;
consteval int unit(std::string_view name) {
  return unitposition(kPowerUnits, name);
}
// The BTU is the International Table one (the table's 1055.0556 J is it, coarsely); the calories
// are thermochemical, 4.184 J, as the table's Calories/hour of 4.184 jouls/hour says (Energy's
// are the International Table calorie). Horsepower(international) is the mechanical horsepower
// of 550 foot-pounds force per second, as the table's 745.699872 W says.
inline constexpr ExactProduct kBtu = base::kBtuIT;
inline constexpr ExactProduct kCalorie = base::kCalorieThermochemical;
// clang-format off
inline constexpr std::array<Definition, 21> kDefinitions = {{
    {kBtu * per("3600")}, {kBtu * per("60")}, {kBtu},
    {kCalorie * per("3600")}, {kCalorie * per("60")}, {kCalorie},
    {per("3600")}, {per("60")}, {exact("1")},
    {kCalorie * exact("1000") * per("3600")}, {kCalorie * exact("1000") * per("60")},
    {exact("1")}, {exact("1000")}, {exact("1000000")}, {exact("1000000000")},
    {base::kHorsepowerElectric}, {base::kHorsepowerMechanical}, {base::kHorsepowerWater},
    {base::kHorsepowerMetric},
    {base::kFootPoundForce * per("60")}, {base::kFootPoundForce},
}};

// One unit in jouls/hour, as the table has always had it.
inline constexpr std::array<ExactProduct, 21> kJoulsPerHour = {
    exact("1055.0556"), exact("63303.3612"), exact("3798201.6"), exact("4.184"),
    exact("251.04"), exact("15062.4"), exact("1"), exact("60"), exact("3600"), exact("4184"),
    exact("251040"), exact("3600"), exact("3600000"), exact("3600000000"),
    exact("3600000000000"), exact("2685600"), exact("2684519.537696"), exact("2685754.8"),
    exact("2647795.68"), exact("81.3492"), exact("4880.952")};

// The one constant kept to 8 decimal places, the two unchanged pairs, and the pairs where 6
// places leave zero: those multiply two or three constants through intermediate units, in their
// own order (not always those pairs' constants: every Horsepower chain uses 0.00134). All but
// the three Foot-pound force chains keep 7 decimal places of the product.
inline constexpr std::array<RuleCell, 28> kCells = {{
    ruleconstant(unit("BTU/second"), unit("Gigawatts"), 0.00000106),
    ruleunchanged(unit("jouls/second"), unit("Watts")),
    ruleunchanged(unit("Watts"), unit("jouls/second")),
    rulechain(unit("BTU/ hour"), unit("Megawatts"), {0.000001, 0.293071}, 7),
    rulechain(unit("BTU/ hour"), unit("Gigawatts"), {0.000001, 0.293071, 0.001}, 7),
    rulechain(unit("BTU/minute"), unit("Gigawatts"), {17.584267, 0.000001, 0.001}, 7),
    rulechain(unit("Calories/hour"), unit("Megawatts"), {0.000001, 0.001162}, 7),
    rulechain(unit("Calories/hour"), unit("Gigawatts"), {0.000001, 0.001162, 0.001}, 7),
    rulechain(unit("Calories/minute"), unit("Megawatts"), {0.069733, 0.000001}, 7),
    rulechain(unit("Calories/minute"), unit("Gigawatts"), {0.069733, 0.000001, 0.001}, 7),
    rulechain(unit("Calories/second"), unit("Gigawatts"), {0.000004, 0.001}, 7),
    rulechain(unit("jouls/hour"), unit("BTU/second"), {0.000016, 0.016667}, 7),
    rulechain(unit("jouls/hour"), unit("Kilowatts"), {0.000278, 0.001}, 7),
    rulechain(unit("jouls/hour"), unit("Megawatts"), {0.000278, 0.000001}, 7),
    rulechain(unit("jouls/hour"), unit("Gigawatts"), {0.000278, 0.000001, 0.001}, 7),
    rulechain(unit("jouls/hour"), unit("Horsepower(electric)"), {0.000278, 0.00134}, 7),
    rulechain(unit("jouls/hour"), unit("Horsepower(international)"), {0.000278, 0.00134}, 7),
    rulechain(unit("jouls/hour"), unit("Horsepower(water)"), {0.000278, 0.00134}, 7),
    rulechain(unit("jouls/hour"), unit("Horsepower(metric)"), {0.00136, 0.000278}, 7),
    rulechain(unit("jouls/minute"), unit("Megawatts"), {0.000017, 0.001}, 7),
    rulechain(unit("jouls/minute"), unit("Gigawatts"), {0.000017, 0.000001}, 7),
    rulechain(unit("jouls/second"), unit("Gigawatts"), {0.000001, 0.001}, 7),
    rulechain(unit("Kilocalories/hour"), unit("Gigawatts"), {0.000001, 0.001}, 7),
    rulechain(unit("Kilocalories/minute"), unit("Gigawatts"), {0.00007, 0.001}, 7),
    rulechain(unit("Watts"), unit("Gigawatts"), {0.000001, 0.001}, 7),
    rulechain(unit("Foot-pound force/minute"), unit("Megawatts"), {0.000023, 0.001}),
    rulechain(unit("Foot-pound force/minute"), unit("Gigawatts"), {0.000001, 0.000023}),
    rulechain(unit("Foot-pound force/second"), unit("Gigawatts"), {0.000001, 0.001}),
}};
// clang-format on
}  // namespace powerdata

inline constexpr std::array<Definition, 21> kPowerDefinitions = powerdata::kDefinitions;
inline constexpr RuleData kPowerRule = {powerdata::kJoulsPerHour, powerdata::unit("jouls/hour"),
                                        "J/h", powerdata::kCells};

}  // namespace merovane
