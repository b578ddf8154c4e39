// Power: checkpoints, the chains as the table lists them, and convertpower end to end. The rule
// over the rows' figures is the data's (categories/power.units), checked by prebuilt_test and
// unitdata_test.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "categories/categories.h"
#include "tablegen/exactdecimal.h"
#include "testsupport.h"

namespace merovane {
namespace {

using namespace merovane::testing;

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
