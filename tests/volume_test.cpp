// Volume: the table's checkpoints, its rule rebuilt exactly, the chain pairs, and convertvolume
// end to end.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "categories/categories.h"
#include "tablegen/exactdecimal.h"
#include "testsupport.h"

namespace merovane {
namespace {

using namespace merovane::testing;

// clang-format off
const std::vector<std::string_view> kVolumeUnits = {
    "Barrels", "Bushels", "Centiliters", "Cubic centimeters", "Cubic decimeters",
    "Cubic decameters", "Cubic feet", "Cubic inches", "Cubic meters", "Cubic millimeters",
    "Cubic yards", "Cups", "Deciliters", "Fluid ounces", "Gallons", "Liters", "Milliliters",
    "Pints", "Quarts", "Table spoons", "Tea spoons"};
// clang-format on

// Cubic millimeters in one unit; a Fluid ounce is an eighth of a Cup, a Table spoon half a Fluid
// ounce, a Tea spoon a third of a Table spoon.
std::vector<ExactDecimal> cubicmillimeters() {
  const auto mm = [](const char* decimal) { return ExactDecimal::parse(decimal); };
  const ExactDecimal cup = mm("236588.2365"), fluidounce = cup / ExactDecimal(8),
                     tablespoon = fluidounce / ExactDecimal(2),
                     teaspoon = tablespoon / ExactDecimal(3);
  // clang-format off
  return {mm("158987294.928"), mm("35239070.16688"), mm("10000"), mm("1000"), mm("1000000"),
          mm("1000000000000"), mm("28316846.592"), mm("16387.064"), mm("1000000000"), mm("1"),
          mm("764554857.984"), cup, mm("100000"), fluidounce, mm("3785411.784"), mm("1000000"),
          mm("1000"), mm("473176.473"), mm("946352.946"), tablespoon, teaspoon};
  // clang-format on
}

ExactDecimal expectedconstant(int source, int destination) {
  const std::vector<ExactDecimal> mm = cubicmillimeters();
  const auto s = static_cast<size_t>(source), d = static_cast<size_t>(destination);
  return (mm[s] / mm[d]).roundplaces(6, Rounding::HalfAwayFromZero);
}

TEST(VolumeTable, UnitsInListOrder) {
  EXPECT_EQ(unitnames(category(CategoryId::Volume).units), kVolumeUnits);
}

// Every pair against the rule worked out here: a single constant where the rule gives one, the
// value itself for equal units, doubling where the rule gives exactly 2, and a chain exactly
// where the rule gives zero.
TEST(VolumeTable, EveryPairFollowsTheRuleExactly) {
  const std::vector<std::pair<std::string_view, std::string_view>> equal = {
      {"Cubic centimeters", "Milliliters"},
      {"Milliliters", "Cubic centimeters"},
      {"Cubic decimeters", "Liters"},
      {"Liters", "Cubic decimeters"}};
  const std::vector<std::pair<std::string_view, std::string_view>> doubling = {
      {"Fluid ounces", "Table spoons"}, {"Pints", "Cups"}, {"Quarts", "Pints"}};
  const auto listed = [](const auto& pairs, int i, int j) {
    return std::find(pairs.begin(), pairs.end(), std::pair{kVolumeUnits[i], kVolumeUnits[j]}) !=
           pairs.end();
  };
  int singles = 0, chains = 0;
  for (int i = 0; i < 21; ++i)
    for (int j = 0; j < 21; ++j) {
      if (i == j) continue;
      const ExactDecimal expected = expectedconstant(i, j);
      const PairExpression& pair = category(CategoryId::Volume).table().at(i, j);
      SCOPED_TRACE(std::string(kVolumeUnits[i]) + " to " + std::string(kVolumeUnits[j]));
      if (listed(equal, i, j)) {
        EXPECT_EQ(expected, ExactDecimal(1));
        EXPECT_EQ(pair.kind(), PairExpression::Kind::Unchanged);
      } else if (listed(doubling, i, j)) {
        EXPECT_EQ(expected, ExactDecimal(2));
        EXPECT_EQ(pair.kind(), PairExpression::Kind::Doubled);
      } else if (expected.iszero()) {
        EXPECT_GE(pair.factorcount(), 2);
        ++chains;
      } else {
        EXPECT_EQ(category(CategoryId::Volume).table().constant(i, j), number(expected))
            << expected.text();
        ++singles;
      }
    }
  EXPECT_EQ(chains, 17);
  EXPECT_EQ(singles, 420 - 4 - 3 - 17);
}

struct Chain {
  const char* from;
  const char* to;
  const char* through;
  std::vector<double> factors;
  bool rounded;
};

// Each chain's factors in their order, each factor being one of the two steps' own constants.
TEST(VolumeTable, ChainPairs) {
  const Chain chains[] = {
      {"Centiliters", "Cubic decameters", "Liters", {0.01, 0.000001}, true},
      {"Cubic centimeters", "Cubic decameters", "Liters", {0.001, 0.000001}, true},
      {"Cubic inches", "Cubic decameters", "Liters", {0.016387, 0.000001}, true},
      {"Cubic millimeters", "Cubic decameters", "Liters", {0.000001, 0.000001}, true},
      {"Cups", "Cubic decameters", "Liters", {0.236588, 0.000001}, true},
      {"Deciliters", "Cubic decameters", "Liters", {0.1, 0.000001}, true},
      {"Fluid ounces", "Cubic decameters", "Liters", {0.029574, 0.000001}, false},
      {"Milliliters", "Cubic decameters", "Liters", {0.001, 0.000001}, true},
      {"Pints", "Cubic decameters", "Liters", {0.000001, 0.473176}, true},
      {"Table spoons", "Cubic decameters", "Liters", {0.014787, 0.000001}, true},
      {"Tea spoons", "Cubic decameters", "Liters", {0.000001, 0.004929}, true},
      {"Cubic millimeters", "Barrels", "Centiliters", {0.0001, 0.000063}, true},
      {"Cubic millimeters", "Bushels", "Centiliters", {0.0001, 0.000284}, true},
      {"Cubic millimeters", "Cubic feet", "Liters", {0.000001, 0.035315}, true},
      {"Cubic millimeters", "Cubic meters", "Cubic inches", {0.000061, 0.000016}, true},
      {"Cubic millimeters", "Cubic yards", "Cubic centimeters", {0.001, 0.000001}, true},
      {"Cubic millimeters", "Gallons", "Cubic centimeters", {0.001, 0.000264}, true},
  };
  for (const Chain& c : chains) {
    SCOPED_TRACE(std::string(c.from) + " to " + c.to);
    const int from = position(CategoryId::Volume, c.from),
              through = position(CategoryId::Volume, c.through),
              to = position(CategoryId::Volume, c.to);
    const PairExpression& pair = category(CategoryId::Volume).table().at(from, to);
    ASSERT_EQ(pair.kind(), PairExpression::Kind::Product);
    ASSERT_EQ(pair.factorcount(), 2);
    EXPECT_EQ(pair.factor(0), c.factors[0]);
    EXPECT_EQ(pair.factor(1), c.factors[1]);
    EXPECT_EQ(pair.places(), c.rounded ? 6 : kNoRounding);
    std::vector<double> steps = {number(expectedconstant(from, through)),
                                 number(expectedconstant(through, to))};
    std::vector<double> factors = c.factors;
    std::sort(steps.begin(), steps.end());
    std::sort(factors.begin(), factors.end());
    EXPECT_EQ(factors, steps);
  }
}

using VolumeTest = FormTest;

TEST_F(VolumeTest, ShowsTheSelectedPair) {
  const Conversion cases[] = {
      {"1", "Liters", "Gallons", "0.264172"},
      {"1", "Gallons", "Liters", "3.785412"},
      {"1", "Cubic feet", "Cubic inches", "1728"},
      {"1", "Barrels", "Gallons", "42"},
      {"1", "Quarts", "Cubic decameters", "1E-06"},
      {"1", "Fluid ounces", "Cups", "0.125"},
      {"1", "Table spoons", "Tea spoons", "3"},
      {"1", "Table spoons", "Cubic millimeters", "14786.764781"},
      {"1", "Quarts", "Pints", "2"},
      {"1.5", "Pints", "Cups", "3"},
      {"3", "Fluid ounces", "Table spoons", "6"},
      {"5", "Cubic decimeters", "Liters", "5"},
      {"1", "Cubic centimeters", "Milliliters", "1"},
      {"2.50", "Milliliters", "Cubic centimeters", "2.5"},
      {"1000000", "Liters", "Cubic decameters", "1"},
      {"1", "Milliliters", "Cubic decameters", "0"},
      {"1", "Fluid ounces", "Cubic decameters", "2.9574E-08"},
      {"1000000000", "Cubic millimeters", "Cubic meters", "0.976"},
      {"1", "Cubic millimeters", "Cubic meters", "0"},
      {"123", "Cubic millimeters", "Gallons", "3.2E-05"},
      {"1000000", "Pints", "Cubic decameters", "0.473176"},
      {"1", "Tea spoons", "Cubic millimeters", "4928.921594"},
      {"1", "Barrels", "Cubic decameters", "0.000159"},
      // Constants whose exact ratio ends in a half of the sixth
      // place, which goes away from zero.
      {"1", "Cups", "Cubic centimeters", "236.588237"},
      {"1", "Fluid ounces", "Cubic inches", "1.804688"},
      {"1", "Fluid ounces", "Gallons", "0.007813"},
      {"1", "Fluid ounces", "Cubic millimeters", "29573.529563"},
      {"2.50", "Cups", "Cups", "2.5"},
      {"007", "Tea spoons", "Tea spoons", "7"},
      {"1E300", "Cubic decameters", "Cubic decameters", "1E+300"},
      {"1.7E308", "Quarts", "Quarts", "1.7E+308"},
  };
  expectshown(CategoryId::Volume, cases);
}

TEST_F(VolumeTest, LeavesTheDestinationOnEveryFailure) {
  const Failure cases[] = {
      {"", "Liters", "Gallons"},
      {"1", "Liters", ""},
      {"1", "", "Gallons"},
      {"1", "", ""},
      {".", "Liters", "Gallons"},
      {"1/2", "Liters", "Gallons"},
      {"1.2.3", "Liters", "Gallons"},
      {" ", "Liters", "Gallons"},
      {"abc", "Liters", "Gallons"},
      {"1e400", "Liters", "Liters"},
      {"1E300", "Cubic decameters", "Cubic millimeters"},
      {"1.7E308", "Quarts", "Pints"},
  };
  expectfailures(CategoryId::Volume, cases);
}

}  // namespace
}  // namespace merovane
