// Temperature: the one-degree values, the three kinds of pair, and converttemp end to end.
#include <gtest/gtest.h>

#include "categories/categories.h"
#include "testsupport.h"

namespace merovane {
namespace {

using namespace merovane::testing;

TEST(TemperatureTable, UnitsInListOrder) {
  const std::vector<std::string_view> expected = {"Celsius", "Fahrenheit", "Kelvin", "Rankine",
                                                  "Reaumur"};
  EXPECT_EQ(unitnames(category(CategoryId::Temperature).units), expected);
}

// A reading of 1 gives the pair's one-degree value for every pair; 0 and 2 then tell the
// degree ratio apart from a plain product, so each cell's kind is pinned down too.
TEST(TemperatureTable, OneDegreeValuesAndDegreeRatios) {
  struct Cell {
    int source, destination;
    const char* onedegree;
    double ratio;  // 0 for the pairs that share their zero point
  };
  const double fahrenheittoreaumur = 0.55555556 * 0.8;
  const double reaumurtofahrenheit = 1.25 * 1.8;
  const Cell cells[] = {
      {0, 1, "33.8", 1.8},
      {0, 2, "274.15", 1},
      {0, 3, "493.47", 1.8},
      {0, 4, "0.8", 0},
      {1, 0, "-17.22222222", 0.55555556},
      {1, 2, "255.92777778", 0.55555556},
      {1, 3, "460.67", 1},
      {1, 4, "-13.77777778", fahrenheittoreaumur},
      {2, 0, "-272.15", 1},
      {2, 1, "-457.87", 1.8},
      {2, 3, "1.8", 0},
      {2, 4, "-217.72", 0.8},
      {3, 0, "-272.59444444", 0.55555556},
      {3, 1, "-458.67", 1},
      {3, 2, "0.55555556", 0},
      {3, 4, "-218.07555556", fahrenheittoreaumur},
      {4, 0, "1.25", 0},
      {4, 1, "34.25", reaumurtofahrenheit},
      {4, 2, "274.4", 1.25},
      {4, 3, "493.92", reaumurtofahrenheit},
  };
  const ConversionTable& table = category(CategoryId::Temperature).table();
  for (const Cell& cell : cells) {
    const double c = number(cell.onedegree);
    const int s = cell.source, d = cell.destination;
    EXPECT_EQ(table.convert(s, d, 1), c) << s << " to " << d;
    if (cell.ratio == 0) {
      EXPECT_EQ(table.constant(s, d), c) << s << " to " << d;
      EXPECT_EQ(table.convert(s, d, 0), 0) << s << " to " << d;
    } else {
      EXPECT_EQ(table.at(s, d).kind(), PairExpression::Kind::Offset) << s << " to " << d;
      EXPECT_EQ(table.convert(s, d, 0), c - cell.ratio) << s << " to " << d;
      EXPECT_EQ(table.convert(s, d, 2), c + cell.ratio) << s << " to " << d;
    }
  }
}

using TemperatureTest = FormTest;

TEST_F(TemperatureTest, ShowsTheSelectedPair) {
  const Conversion cases[] = {
      {"1", "Celsius", "Fahrenheit", "33.8"},
      {"1", "Fahrenheit", "Celsius", "-17.22222222"},
      {"1", "Kelvin", "Reaumur", "-217.72"},
      {"100", "Celsius", "Fahrenheit", "212"},
      {"0", "Kelvin", "Fahrenheit", "-459.67"},
      {"0", "Kelvin", "Celsius", "-273.15"},
      {"100", "Celsius", "Kelvin", "373.15"},
      {"80", "Reaumur", "Celsius", "100"},
      {"80", "Reaumur", "Fahrenheit", "212"},
      // The stored one-degree value and ratio keep 8 decimals, and the result carries them.
      {"212", "Fahrenheit", "Celsius", "100.00000094"},
      {"20", "Kelvin", "Rankine", "36"},
      {"100", "Celsius", "Reaumur", "80"},
      {"2.50", "Celsius", "Celsius", "2.5"},
      {"007", "Rankine", "Rankine", "7"},
      {"-40", "Celsius", "Fahrenheit", "-40"},
      // Only the selected pair is computed: Celsius to Fahrenheit would overflow here.
      {"1e308", "Celsius", "Kelvin", "1E+308"},
  };
  expectshown(CategoryId::Temperature, cases);
}

TEST_F(TemperatureTest, LeavesTheDestinationSilentlyOnEveryFailure) {
  const Failure cases[] = {
      {"", "Celsius", "Fahrenheit"},
      {"1", "Celsius", ""},
      {"1", "", "Fahrenheit"},
      {"1", "", ""},
      {"1/2", "Celsius", "Fahrenheit"},
      {".", "Celsius", "Fahrenheit"},
      {"1.2.3", "Celsius", "Fahrenheit"},
      {"-", "Celsius", "Fahrenheit"},
      {" ", "Celsius", "Celsius"},
      {"1e400", "Celsius", "Celsius"},
      {"1e308", "Celsius", "Fahrenheit"},
  };
  expectfailures(CategoryId::Temperature, cases);
}

}  // namespace
}  // namespace merovane
