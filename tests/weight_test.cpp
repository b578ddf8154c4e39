// Weight: the table's checkpoints, its rule rebuilt exactly, and convertweight end to end with
// its message box.
#include <gtest/gtest.h>

#include "categories/categories.h"
#include "core/runtime.h"
#include "tablegen/exactdecimal.h"
#include "testsupport.h"

namespace merovane {
namespace {

using namespace merovane::testing;

TEST(WeightTable, UnitsInListOrder) {
  const std::vector<std::string_view> expected = {"Micrograms",
                                                  "Milligrams",
                                                  "Centigrams",
                                                  "Grains",
                                                  "Decigrams",
                                                  "Carats",
                                                  "Grams",
                                                  "Pennyweight",
                                                  "Scruples",
                                                  "Drams",
                                                  "Dekagrams",
                                                  "Ounces",
                                                  "Centals",
                                                  "Hectograms",
                                                  "Pounds",
                                                  "Kilograms",
                                                  "Cloves",
                                                  "Stone",
                                                  "Short Hundredweight",
                                                  "Long Hundredweight",
                                                  "Short Tons",
                                                  "Metric tons(tonnes)",
                                                  "Long Tons"};
  EXPECT_EQ(unitnames(category(CategoryId::Weight).units), expected);
}

// Every constant from the microgram column, worked out here on its own: the exact quotient to 8
// decimal places, half away from zero, or to 9 significant digits where that leaves zero. Only
// Metric tons(tonnes) to Grains departs, keeping 15 significant digits.
TEST(WeightTable, EveryConstantFollowsTheRuleExactly) {
  const char* micrograms[] = {
      "1",           "1000",        "10000",        "64798.91",      "100000",       "200000",
      "1000000",     "1555173.84",  "1295978.2",    "3887934.6",     "10000000",     "28349523.125",
      "45359237000", "100000000",   "453592370",    "1000000000",    "3628738960",   "6350293180",
      "45359237000", "50802345440", "907184740000", "1000000000000", "1016046908800"};
  const int metrictons = 21, grains = 3;
  int checked = 0, significant = 0;
  for (int i = 0; i < 23; ++i)
    for (int j = 0; j < 23; ++j) {
      if (i == j) continue;
      const ExactDecimal x =
          ExactDecimal::parse(micrograms[i]) / ExactDecimal::parse(micrograms[j]);
      ExactDecimal expected = x.roundplaces(8, Rounding::HalfAwayFromZero);
      if (expected.iszero()) {
        expected = x.roundsignificant(9, Rounding::HalfAwayFromZero);
        EXPECT_LE(i, 1) << "only Micrograms and Milligrams need significant digits";
        ++significant;
      }
      if (i == metrictons && j == grains) {
        EXPECT_EQ(expected.text(), "15432358.35294143");
        expected = ExactDecimal::parse("15432358.3529414");
      }
      EXPECT_EQ(category(CategoryId::Weight).table().constant(i, j), number(expected))
          << i << " to " << j << " should be " << expected.text();
      ++checked;
    }
  EXPECT_EQ(checked, 506);
  EXPECT_EQ(significant, 13);
}

using WeightTest = FormTest;

TEST_F(WeightTest, ShowsTheSelectedPair) {
  const Conversion cases[] = {
      {"1", "Kilograms", "Pounds", "2.20462262"},
      {"1", "Pounds", "Kilograms", "0.45359237"},
      {"1", "Stone", "Pounds", "14"},
      {"1", "Short Tons", "Pounds", "2000"},
      {"1", "Centals", "Pounds", "100"},
      {"3", "Carats", "Decigrams", "6"},
      // Each pair uses its own rounded constant.
      {"1", "Ounces", "Grams", "28.34952313"},
      {"1", "Ounces", "Milligrams", "28349.523125"},
      {"1", "Metric tons(tonnes)", "Grains", "15432358.3529414"},
      {"1", "Micrograms", "Ounces", "4E-08"},
      {"1", "Micrograms", "Pounds", "2.20462262E-09"},
      {"1", "Long Tons", "Micrograms", "1016046908800"},
      {"1", "Kilograms", "Kilograms", "1"},
      {"2.50", "Grams", "Grams", "2.5"},
      {"-2", "Kilograms", "Grams", "-2000"},
      {".5", "Ounces", "Grams", "14.174761565"},
      {"1", "Pounds", "Ounces", "16"},
      // The largest factor, Long Tons to Micrograms, still fits a double here.
      {"1e296", "Grams", "Grams", "1E+296"},
  };
  expectshown(CategoryId::Weight, cases);
}

TEST_F(WeightTest, LeavesTheDestinationAndShowsTheError) {
  const Failure cases[] = {
      {"", "Grams", "Ounces", nullptr},
      {"", "", "", nullptr},
      {"1", "Grams", "", nullptr},
      {"1", "", "Ounces", nullptr},
      {"1/2", "Grams", "Ounces", kTypeMismatch},
      {"1/2", "", "", kTypeMismatch},
      {".", "Grams", "Ounces", kTypeMismatch},
      {"1.2.3", "Grams", "Ounces", kTypeMismatch},
      {" ", "Grams", "Ounces", kTypeMismatch},
      {"1e400", "Grams", "Ounces", kOverflow},
      // Some cell of the grid overflows, so every pair fails, selected or not.
      {"1e297", "Grams", "Grams", kFloatingPoint},
      {"1e297", "", "", kFloatingPoint},
      {"-1e297", "Micrograms", "Long Tons", kFloatingPoint},
  };
  expectfailures(CategoryId::Weight, cases);
}

}  // namespace
}  // namespace merovane
