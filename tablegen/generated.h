// The C++ source merovane-tablegen writes: the categories' records as constant data.
#pragma once

#include <string>
#include <vector>

#include "tablegen/departurecheck.h"
#include "tablegen/tablebuild.h"
#include "tablegen/unitmodel.h"

namespace merovane::gen {

std::string generatedsource(const UnitModel& model, const std::vector<Table>& tables,
                            const std::vector<Departure>& departures);

}  // namespace merovane::gen
