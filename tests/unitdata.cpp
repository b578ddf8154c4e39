#include "tests/unitdata.h"

namespace merovane::testing {

std::string unitfile(const std::string& name) {
  return std::string(MEROVANE_SOURCE_DIR) + "/categories/" + name;
}

const UnitData& unitdata() {
  static const UnitData data = [] {
    UnitData read;
    read.constants = gen::readconstants(unitfile("constants.units"));
    for (const char* name : {"area", "bits", "density", "energy", "force", "length", "weight",
                             "power", "pressure", "speed", "temperature", "volume", "time", "angle",
                             "fueleconomy", "datarate", "frequency", "acceleration"})
      read.files.push_back(gen::readcategory(unitfile(std::string(name) + ".units")));
    read.model = gen::buildmodel(read.constants, read.files);
    return read;
  }();
  return data;
}

}  // namespace merovane::testing
