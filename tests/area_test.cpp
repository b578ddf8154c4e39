// Area: convertarea end to end. The table, written cell by cell, is the data's
// (categories/area.units); every cell lies within half a unit of its last digit of the
// definitions, which merovane-tablegen checks.
#include <gtest/gtest.h>

#include "categories/categories.h"
#include "testsupport.h"

namespace merovane {
namespace {

using namespace merovane::testing;

using AreaTest = FormTest;

TEST_F(AreaTest, ShowsTheSelectedPair) {
  const Conversion cases[] = {
      {"1", "Square miles", "Acres", "640"},
      {"1", "Acres", "Square feet", "43560"},
      {"2", "Hectares", "Ares", "200"},
      {"3", "Square yard", "Square feet", "27"},
      {"1", "Square meters", "Square inches", "1550.00310001"},
      {"1", "Square centimeters", "Acres", "2E-08"},
      {"1", "Square centimeters", "Square miles", "3.86102159E-11"},
      {"1", "Square kilometers", "Square feet", "10763910.4167097"},
      {"1", "Square miles", "Square centimeters", "25899881103.36"},
      {"5", "Square feet", "Square feet", "5"},
      {"2.50", "Acres", "Acres", "2.5"},
      {"-1", "Square rods", "Square yard", "-30.25"},
      // Only the selected pair is computed: into Square centimeters this value would overflow.
      {"1e300", "Square kilometers", "Hectares", "1E+302"},
  };
  expectshown(CategoryId::Area, cases);
}

TEST_F(AreaTest, LeavesTheDestinationSilentlyOnEveryFailure) {
  const Failure cases[] = {
      {"", "Acres", "Hectares"},
      {"1/2", "Acres", "Hectares"},
      {".", "Acres", "Hectares"},
      {"1.2.3", "Acres", "Hectares"},
      {" ", "Acres", "Acres"},
      {"1", "Acres", ""},
      {"1", "", "Hectares"},
      {"1e400", "Acres", "Acres"},
      {"1e300", "Square kilometers", "Square centimeters"},
  };
  expectfailures(CategoryId::Area, cases);
}

}  // namespace
}  // namespace merovane
