// Area: the literal table against the rule it came from, and convertarea end to end.
#include <gtest/gtest.h>

#include "categories/categories.h"
#include "tablegen/exactdecimal.h"
#include "testsupport.h"

namespace merovane {
namespace {

using namespace merovane::testing;

TEST(AreaTable, UnitsInListOrder) {
  const std::vector<std::string_view> expected = {"Square centimeters",
                                                  "Square meters",
                                                  "Square kilometers",
                                                  "Ares",
                                                  "Hectares",
                                                  "Square inches",
                                                  "Square feet",
                                                  "Square yard",
                                                  "Square rods",
                                                  "Square chains",
                                                  "Acres",
                                                  "Square miles"};
  EXPECT_EQ(unitnames(category(CategoryId::Area).units), expected);
}

// The table came from the sizes in square meters: each constant is the ratio rounded to 8
// decimal places. Five cells depart, each in its own way; every other cell must be the rule's.
TEST(AreaTable, EveryConstantIsTheRuleOrOneOfFiveDepartures) {
  const char* squaremeters[] = {
      "0.0001",     "1",          "1000000",     "100",          "10000",        "0.00064516",
      "0.09290304", "0.83612736", "25.29285264", "404.68564224", "4046.8564224", "2589988.110336"};
  enum Departure { Rule, ExactRatio, NineSignificant, SevenPlaces };
  const auto departure = [](int i, int j) {
    if ((i == 0 || i == 5) && j == 2) return ExactRatio;
    if ((i == 0 || i == 5) && j == 11) return NineSignificant;
    if (i == 2 && j == 6) return SevenPlaces;
    return Rule;
  };
  int byrule = 0;
  for (int i = 0; i < 12; ++i)
    for (int j = 0; j < 12; ++j) {
      if (i == j) continue;
      const ExactDecimal ratio =
          ExactDecimal::parse(squaremeters[i]) / ExactDecimal::parse(squaremeters[j]);
      const ExactDecimal rule = ratio.roundplaces(8, Rounding::HalfEven);
      const double constant = category(CategoryId::Area).table().constant(i, j);
      switch (departure(i, j)) {
        case Rule:
          EXPECT_EQ(constant, number(rule)) << i << " to " << j << " should be " << rule.text();
          ++byrule;
          break;
        case ExactRatio:
          EXPECT_EQ(constant, number(ratio)) << i << " to " << j;
          EXPECT_NE(constant, number(rule)) << i << " to " << j;
          break;
        case NineSignificant:
          EXPECT_EQ(constant, number(ratio.roundsignificant(9, Rounding::HalfEven)))
              << i << " to " << j;
          EXPECT_NE(constant, number(rule)) << i << " to " << j;
          break;
        case SevenPlaces:
          EXPECT_EQ(constant, number(ratio.roundplaces(7, Rounding::HalfEven))) << i << " to " << j;
          EXPECT_NE(constant, number(rule)) << i << " to " << j;
          break;
      }
    }
  EXPECT_EQ(byrule, 127);
}

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
