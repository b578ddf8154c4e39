// Energy: the literal table against its rule, and convertenergy end to end.
#include <gtest/gtest.h>

#include "categories/categories.h"
#include "tablegen/exactdecimal.h"
#include "testsupport.h"

namespace merovane {
namespace {

using namespace merovane::testing;

TEST(EnergyTable, UnitsInListOrder) {
  const std::vector<std::string_view> expected = {
      "Ergs", "Calories",  "Joules",     "Foot-pounds",     "Kilocalories",
      "BTU",  "Foot-tons", "Watt-hours", "Horsepower-hours"};
  EXPECT_EQ(unitnames(category(CategoryId::Energy).units), expected);
}

// Each literal, worked out here from the sizes in joules: 8 decimal places, an exact half up;
// 9 significant digits from Ergs to Kilocalories, BTU, Foot-tons, Watt-hours and
// Horsepower-hours.
TEST(EnergyTable, EveryLiteralFollowsTheRule) {
  const char* joules[] = {"0.0000001", "4.1868",   "1",    "1.355818",  "4186.8",
                          "1055.056",  "2711.636", "3600", "2684519.64"};
  constexpr int kErgs = 0, kKilocalories = 4;
  int checked = 0;
  for (int s = 0; s < 9; ++s)
    for (int d = 0; d < 9; ++d) {
      if (s == d) continue;
      const ExactDecimal x = ExactDecimal::parse(joules[s]) / ExactDecimal::parse(joules[d]);
      const ExactDecimal expected = s == kErgs && d >= kKilocalories
                                        ? x.roundsignificant(9, Rounding::HalfUp)
                                        : x.roundplaces(8, Rounding::HalfUp);
      EXPECT_FALSE(expected.iszero()) << s << " to " << d;
      EXPECT_EQ(category(CategoryId::Energy).table().constant(s, d), number(expected))
          << s << " to " << d << " should be " << expected.text();
      ++checked;
    }
  EXPECT_EQ(checked, 72);
}

using EnergyTest = FormTest;

TEST_F(EnergyTest, ShowsTheSelectedPair) {
  const Conversion cases[] = {
      {"1", "Calories", "Joules", "4.1868"},
      {"1", "Foot-tons", "Foot-pounds", "2000"},
      {"1", "Horsepower-hours", "Foot-tons", "990"},
      {"1", "Ergs", "Calories", "2E-08"},
      {"1", "Ergs", "Kilocalories", "2.38845897E-11"},
      {"1", "Ergs", "Horsepower-hours", "3.72506122E-14"},
      {"1", "Horsepower-hours", "Ergs", "26845196400000"},
      {"2", "Kilocalories", "Foot-pounds", "6176.05017782"},
      {"3", "BTU", "BTU", "3"},
      {"1E300", "Horsepower-hours", "Horsepower-hours", "1E+300"},
  };
  expectshown(CategoryId::Energy, cases);
}

TEST_F(EnergyTest, LeavesTheDestinationOnEveryFailure) {
  const Failure cases[] = {
      {"", "Calories", "Joules"},
      {"1", "Calories", ""},
      {"1", "", "Joules"},
      {"1", "", ""},
      {"1/2", "Calories", "Joules"},
      {".", "Calories", "Joules"},
      {"1.2.3", "Calories", "Joules"},
      {" ", "Calories", "Joules"},
      {"1E300", "Horsepower-hours", "Ergs"},
  };
  expectfailures(CategoryId::Energy, cases);
}

}  // namespace
}  // namespace merovane
