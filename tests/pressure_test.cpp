// Pressure: the literal table against its rule, and convertpressure end to end.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "categories/categories.h"
#include "tablegen/exactdecimal.h"
#include "testsupport.h"

namespace merovane {
namespace {

using namespace merovane::testing;

const std::vector<std::string_view> kPressureUnits = {"Pascals",
                                                      "Millibars/Hectopascals",
                                                      "Inches of water column",
                                                      "Kilopascals",
                                                      "Inches of mercury in (Hg)",
                                                      "Pounds/square inch(psi)",
                                                      "Atmospheres",
                                                      "Megapascals",
                                                      "Kilopounds/square inch"};

TEST(PressureTable, UnitsInListOrder) {
  EXPECT_EQ(unitnames(category(CategoryId::Pressure).units), kPressureUnits);
}

// The table's every constant is the ratio of the two units in Pascals, worked out exactly and
// rounded to 8 decimal places.
TEST(PressureTable, EveryConstantFollowsTheRule) {
  const char* pascals[] = {"1",        "100",    "249.0889", "1000",   "3386.38",
                           "6894.757", "101325", "1000000",  "6894757"};
  int checked = 0;
  for (int i = 0; i < 9; ++i)
    for (int j = 0; j < 9; ++j) {
      if (i == j) continue;
      const ExactDecimal x = ExactDecimal::parse(pascals[i]) / ExactDecimal::parse(pascals[j]);
      const ExactDecimal expected = x.roundplaces(8, Rounding::HalfEven);
      EXPECT_EQ(category(CategoryId::Pressure).table().constant(i, j), number(expected))
          << kPressureUnits[i] << " to " << kPressureUnits[j] << " should be " << expected.text();
      ++checked;
    }
  EXPECT_EQ(checked, 72);
}

using PressureTest = FormTest;

TEST_F(PressureTest, ShowsTheSelectedPair) {
  const Conversion cases[] = {
      {"1", "Atmospheres", "Pascals", "101325"},
      {"1", "Kilopounds/square inch", "Pounds/square inch(psi)", "1000"},
      {"1", "Inches of mercury in (Hg)", "Pascals", "3386.38"},
      {"1", "Megapascals", "Inches of water column", "4014.63092093"},
      {"1", "Atmospheres", "Pounds/square inch(psi)", "14.6959494"},
      {"1", "Megapascals", "Pounds/square inch(psi)", "145.0377439"},
      {"1", "Kilopounds/square inch", "Inches of water column", "27679.90464449"},
      {"1", "Inches of water column", "Inches of mercury in (Hg)", "0.0735561"},
      // The small constant keeps two digits: 0.00015, not 0.000145.
      {"1000", "Pascals", "Kilopounds/square inch", "0.00015"},
      {"1", "Pascals", "Kilopounds/square inch", "1.5E-07"},
      {"1", "Pascals", "Atmospheres", "9.87E-06"},
      {"1", "Kilopounds/square inch", "Pascals", "6894757"},
      {"2.50", "Pascals", "Pascals", "2.5"},
      {"1.7E308", "Atmospheres", "Atmospheres", "1.7E+308"},
  };
  expectshown(CategoryId::Pressure, cases);
}

TEST_F(PressureTest, LeavesTheDestinationOnEveryFailure) {
  const Failure cases[] = {
      {"", "Pascals", "Atmospheres"},
      {"", "Pascals", "Pascals"},
      {"1", "Pascals", ""},
      {"1", "", "Atmospheres"},
      {"1", "", ""},
      {".", "Pascals", "Atmospheres"},
      {"1/2", "Pascals", "Atmospheres"},
      {"1.2.3", "Pascals", "Atmospheres"},
      {" ", "Pascals", "Atmospheres"},
      {"abc", "Pascals", "Atmospheres"},
      {"1e400", "Pascals", "Pascals"},
      {"1.7E308", "Atmospheres", "Pascals"},
  };
  expectfailures(CategoryId::Pressure, cases);
}

}  // namespace
}  // namespace merovane
