// Power: checkpoints, the rule rebuilt exactly, the chains, and convertpower end to end.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "categories/categories.h"
#include "tablegen/exactdecimal.h"
#include "testsupport.h"

namespace merovane {
namespace {

using namespace merovane::testing;

TEST(PowerTable, UnitsInListOrder) {
  const std::vector<std::string_view> expected = {"BTU/ hour",
                                                  "BTU/minute",
                                                  "BTU/second",
                                                  "Calories/hour",
                                                  "Calories/minute",
                                                  "Calories/second",
                                                  "jouls/hour",
                                                  "jouls/minute",
                                                  "jouls/second",
                                                  "Kilocalories/hour",
                                                  "Kilocalories/minute",
                                                  "Watts",
                                                  "Kilowatts",
                                                  "Megawatts",
                                                  "Gigawatts",
                                                  "Horsepower(electric)",
                                                  "Horsepower(international)",
                                                  "Horsepower(water)",
                                                  "Horsepower(metric)",
                                                  "Foot-pound force/minute",
                                                  "Foot-pound force/second"};
  EXPECT_EQ(unitnames(category(CategoryId::Power).units), expected);
}

TEST(PowerTable, Checkpoints) {
  const struct {
    const char* from;
    const char* to;
    double constant;
  } checkpoints[] = {
      {"BTU/ hour", "Watts", 0.293071},
      {"Watts", "BTU/ hour", 3.412142},
      {"Kilowatts", "BTU/ hour", 3412.14245},
      {"Calories/second", "Watts", 4.184},
      {"Kilocalories/minute", "Kilowatts", 0.069733},
      {"Horsepower(international)", "Watts", 745.699872},
      {"Horsepower(metric)", "Watts", 735.4988},
      {"Horsepower(electric)", "Horsepower(international)", 1.000402},
      {"Horsepower(international)", "Horsepower(electric)", 0.999598},
      {"Watts", "Horsepower(international)", 0.001341},
      {"Foot-pound force/second", "Watts", 1.35582},
      {"Foot-pound force/minute", "Watts", 0.022597},
      {"Megawatts", "Foot-pound force/minute", 44253661.99053},
      {"Gigawatts", "BTU/ hour", 3412142450.12301},
      {"Gigawatts", "Calories/hour", 860420650095.602},
      {"Calories/hour", "Kilowatts", 0.000001},
      {"BTU/minute", "Megawatts", 0.000018},
      {"Watts", "Horsepower(electric)", 0.00134},
      {"Horsepower(electric)", "Watts", 746},
      {"BTU/second", "Gigawatts", 0.00000106},
  };
  for (const auto& c : checkpoints)
    EXPECT_EQ(category(CategoryId::Power)
                  .table()
                  .constant(position(CategoryId::Power, c.from), position(CategoryId::Power, c.to)),
              c.constant)
        << c.from << " to " << c.to;
}

// The 25 chains as the table lists them: factors left to right, and the places of the rounding.
const struct Chain {
  const char* from;
  const char* to;
  std::vector<double> factors;
  int places;
} kChains[] = {
    {"BTU/ hour", "Megawatts", {0.000001, 0.293071}, 7},
    {"BTU/ hour", "Gigawatts", {0.000001, 0.293071, 0.001}, 7},
    {"BTU/minute", "Gigawatts", {17.584267, 0.000001, 0.001}, 7},
    {"Calories/hour", "Megawatts", {0.000001, 0.001162}, 7},
    {"Calories/hour", "Gigawatts", {0.000001, 0.001162, 0.001}, 7},
    {"Calories/minute", "Megawatts", {0.069733, 0.000001}, 7},
    {"Calories/minute", "Gigawatts", {0.069733, 0.000001, 0.001}, 7},
    {"Calories/second", "Gigawatts", {0.000004, 0.001}, 7},
    {"jouls/hour", "BTU/second", {0.000016, 0.016667}, 7},
    {"jouls/hour", "Kilowatts", {0.000278, 0.001}, 7},
    {"jouls/hour", "Megawatts", {0.000278, 0.000001}, 7},
    {"jouls/hour", "Gigawatts", {0.000278, 0.000001, 0.001}, 7},
    {"jouls/hour", "Horsepower(electric)", {0.000278, 0.00134}, 7},
    {"jouls/hour", "Horsepower(international)", {0.000278, 0.00134}, 7},
    {"jouls/hour", "Horsepower(water)", {0.000278, 0.00134}, 7},
    {"jouls/hour", "Horsepower(metric)", {0.00136, 0.000278}, 7},
    {"jouls/minute", "Megawatts", {0.000017, 0.001}, 7},
    {"jouls/minute", "Gigawatts", {0.000017, 0.000001}, 7},
    {"jouls/second", "Gigawatts", {0.000001, 0.001}, 7},
    {"Kilocalories/hour", "Gigawatts", {0.000001, 0.001}, 7},
    {"Kilocalories/minute", "Gigawatts", {0.00007, 0.001}, 7},
    {"Watts", "Gigawatts", {0.000001, 0.001}, 7},
    {"Foot-pound force/minute", "Megawatts", {0.000023, 0.001}, kNoRounding},
    {"Foot-pound force/minute", "Gigawatts", {0.000001, 0.000023}, kNoRounding},
    {"Foot-pound force/second", "Gigawatts", {0.000001, 0.001}, kNoRounding},
};

TEST(PowerTable, ChainsMultiplyTheirFactorsInOrder) {
  for (const Chain& c : kChains) {
    const PairExpression& pair =
        category(CategoryId::Power)
            .table()
            .at(position(CategoryId::Power, c.from), position(CategoryId::Power, c.to));
    ASSERT_EQ(pair.kind(), PairExpression::Kind::Product) << c.from << " to " << c.to;
    ASSERT_EQ(pair.factorcount(), static_cast<int>(c.factors.size())) << c.from << " to " << c.to;
    for (size_t at = 0; at < c.factors.size(); ++at)
      EXPECT_EQ(pair.factor(static_cast<int>(at)), c.factors[at]) << c.from << " to " << c.to;
    EXPECT_EQ(pair.places(), c.places) << c.from << " to " << c.to;
  }
}

// Every pair worked out here from the jouls/hour column: 6 decimal places to nearest, 15
// significant digits from 1000000000 on. The pairs that leave zero are exactly the chains.
TEST(PowerTable, EveryConstantFollowsTheRuleAndZerosAreTheChains) {
  const char* joulsperhour[] = {
      "1055.0556",  "63303.3612", "3798201.6",     "4.184",   "251.04",         "15062.4",
      "1",          "60",         "3600",          "4184",    "251040",         "3600",
      "3600000",    "3600000000", "3600000000000", "2685600", "2684519.537696", "2685754.8",
      "2647795.68", "81.3492",    "4880.952"};
  const std::set<std::pair<int, int>> unchanged = {
      {position(CategoryId::Power, "jouls/second"), position(CategoryId::Power, "Watts")},
      {position(CategoryId::Power, "Watts"), position(CategoryId::Power, "jouls/second")}};
  const std::pair<int, int> eightplaces = {position(CategoryId::Power, "BTU/second"),
                                           position(CategoryId::Power, "Gigawatts")};
  std::set<std::pair<int, int>> zeros, chains;
  for (const Chain& c : kChains)
    chains.insert({position(CategoryId::Power, c.from), position(CategoryId::Power, c.to)});
  int constants = 0;
  for (int i = 0; i < 21; ++i)
    for (int j = 0; j < 21; ++j) {
      if (i == j) continue;
      if (unchanged.contains({i, j})) {
        EXPECT_EQ(category(CategoryId::Power).table().at(i, j).kind(),
                  PairExpression::Kind::Unchanged);
        continue;
      }
      const ExactDecimal x =
          ExactDecimal::parse(joulsperhour[i]) / ExactDecimal::parse(joulsperhour[j]);
      const ExactDecimal expected = x >= ExactDecimal(1000000000)
                                        ? x.roundsignificant(15, Rounding::HalfEven)
                                        : x.roundplaces(6, Rounding::HalfEven);
      if (expected.iszero()) {
        zeros.insert({i, j});
      } else if (std::pair(i, j) != eightplaces) {
        EXPECT_EQ(category(CategoryId::Power).table().constant(i, j), number(expected))
            << i << " to " << j << " should be " << expected.text();
        ++constants;
      }
    }
  EXPECT_EQ(constants + 1, 393);
  EXPECT_EQ(zeros, chains);
}

using PowerTest = FormTest;

TEST_F(PowerTest, ShowsTheSelectedPair) {
  const Conversion cases[] = {
      {"1", "Watts", "jouls/second", "1"},
      {"1", "jouls/second", "Watts", "1"},
      {"1", "Horsepower(metric)", "Watts", "735.4988"},
      {"1", "Kilowatts", "BTU/ hour", "3412.14245"},
      {"1", "Gigawatts", "BTU/ hour", "3412142450.12301"},
      {"1", "jouls/hour", "Gigawatts", "0"},
      {"1", "BTU/ hour", "Gigawatts", "0"},
      {"1000000", "jouls/hour", "Kilowatts", "0.278"},
      {"1", "jouls/hour", "Kilowatts", "3E-07"},
      {"1", "Foot-pound force/second", "Gigawatts", "1E-09"},
      {"1", "Foot-pound force/minute", "Megawatts", "2.3E-08"},
      {"1", "BTU/second", "Gigawatts", "1.06E-06"},
      {"2.50", "Watts", "Watts", "2.5"},
      {"1E300", "Gigawatts", "Gigawatts", "1E+300"},
  };
  expectshown(CategoryId::Power, cases);
}

TEST_F(PowerTest, LeavesTheDestinationOnEveryFailure) {
  const Failure cases[] = {
      {"", "Watts", "Kilowatts"},
      {"1", "Watts", ""},
      {"1", "", "Kilowatts"},
      {"1", "", ""},
      {"1/2", "Watts", "Kilowatts"},
      {".", "Watts", "Kilowatts"},
      {"1.2.3", "Watts", "Kilowatts"},
      {" ", "Watts", "Kilowatts"},
      {"1E300", "Gigawatts", "jouls/hour"},
  };
  expectfailures(CategoryId::Power, cases);
}

}  // namespace
}  // namespace merovane
