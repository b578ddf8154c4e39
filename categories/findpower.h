// Power: 21 units from BTU/ hour to Foot-pound force/second, converted by a pair scan.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "core/category.h"
#include "core/conversiontable.h"

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

// What sets Power apart in a conversion: its units, table, shape and failure display.
const Category& powercategory();

// Shows in txtfpowerd the text of txtfpowers converted from listpowers' unit to listpowerd's
// unit. Silent on every error, an empty source text among them.
void convertpower();

}  // namespace merovane
