// The unit data as merovane-tablegen reads it from the source tree, for tests of the data's own
// properties and of the records the build compiled from it.
#pragma once

#include <string>
#include <vector>

#include "tablegen/unitfile.h"
#include "tablegen/unitmodel.h"

namespace merovane::testing {

// The data files, read once: the constants and every category's file in the window's order.
struct UnitData {
  gen::ConstantsFile constants;
  std::vector<gen::CategoryFile> files;
  gen::UnitModel model;
};
const UnitData& unitdata();

// The path of a file of the source tree's unit data ("length.units").
std::string unitfile(const std::string& name);

}  // namespace merovane::testing
