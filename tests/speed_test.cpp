// Speed: the table's checkpoints, its rule rebuilt exactly, the chain pairs, and convertspeed end
// to end.
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
const std::vector<std::string_view> kSpeedUnits = {
    "Centimeters/minute", "Centimeters/second", "Feet/hour", "Feet/minute", "Feet/second",
    "Inches/minute", "Inches/second", "Kilometers/hour", "Kilometers/second", "Knots",
    "Meters/hour", "Meters/minute", "Meters/second", "Miles/hour", "Miles/minute", "Miles/second",
    "Speed of light", "Yards/hour", "Yards/minute", "Yards/second"};
// clang-format on

// Meters per second in one unit, from the base values; Feet/hour, Inches/minute and Yards/hour
// take 39.37 inches to the meter.
std::vector<ExactDecimal> meterspersecond() {
  const auto d = [](const char* decimal) { return ExactDecimal::parse(decimal); };
  const ExactDecimal m = 60, h = 3600, in = d("39.37"), mi = d("1609.344");
  // clang-format off
  return {d("0.01") / m, d("0.01"), ExactDecimal(12) / in / h, d("0.3048") / m, d("0.3048"),
          ExactDecimal(1) / in / m, d("0.0254"), ExactDecimal(1000) / h, ExactDecimal(1000),
          ExactDecimal(1852) / h, ExactDecimal(1) / h, ExactDecimal(1) / m, ExactDecimal(1),
          mi / h, mi / m, mi, ExactDecimal(299790000), ExactDecimal(36) / in / h,
          d("0.9144") / m, d("0.9144")};
  // clang-format on
}

ExactDecimal expectedconstant(int source, int destination) {
  const std::vector<ExactDecimal> v = meterspersecond();
  const ExactDecimal x = v[static_cast<size_t>(source)] / v[static_cast<size_t>(destination)];
  const ExactDecimal places = x.roundplaces(6, Rounding::HalfAwayFromZero);
  return places.significantdigits() > 15 ? places.roundsignificant(15, Rounding::HalfAwayFromZero)
                                         : places;
}

TEST(SpeedTable, UnitsInListOrder) {
  EXPECT_EQ(unitnames(category(CategoryId::Speed).units), kSpeedUnits);
}

// Every pair against the rule worked out here: a single constant where the rule gives one, a
// chain exactly where it gives zero.
TEST(SpeedTable, EveryPairFollowsTheRuleExactly) {
  int singles = 0, chains = 0;
  for (int i = 0; i < 20; ++i)
    for (int j = 0; j < 20; ++j) {
      if (i == j) continue;
      SCOPED_TRACE(std::string(kSpeedUnits[i]) + " to " + std::string(kSpeedUnits[j]));
      const ExactDecimal expected = expectedconstant(i, j);
      if (expected.iszero()) {
        EXPECT_GE(category(CategoryId::Speed).table().at(i, j).factorcount(), 2);
        ++chains;
      } else {
        EXPECT_EQ(category(CategoryId::Speed).table().constant(i, j), number(expected))
            << expected.text();
        ++singles;
      }
    }
  EXPECT_EQ(singles, 353);
  EXPECT_EQ(chains, 27);
}

struct Chain {
  std::vector<std::string_view> path;  // source, intermediate units, destination
  std::vector<double> factors;         // in the order of multiplication
};

// Each chain's factors in their order, rounded to 7 places; the factors are the path's steps'
// own constants, though not always in the path's order.
TEST(SpeedTable, ChainPairs) {
  const Chain chains[] = {
      {{"Centimeters/minute", "Meters/second", "Kilometers/second"}, {0.000167, 0.001}},
      {{"Centimeters/minute", "Meters/second", "Miles/second"}, {0.000621, 0.000167}},
      {{"Centimeters/minute", "Meters/second", "Kilometers/second", "Speed of light"},
       {0.000003, 0.000167, 0.001}},
      {{"Centimeters/second", "Kilometers/second", "Speed of light"}, {0.00001, 0.000003}},
      {{"Feet/hour", "Meters/second", "Kilometers/second"}, {0.000085, 0.001}},
      {{"Feet/hour", "Miles/minute", "Miles/second"}, {0.000003, 0.016667}},
      {{"Feet/hour", "Meters/second", "Kilometers/second", "Speed of light"},
       {0.000003, 0.000085, 0.001}},
      {{"Feet/minute", "Kilometers/second", "Speed of light"}, {0.000005, 0.000003}},
      {{"Feet/second", "Kilometers/second", "Speed of light"}, {0.000305, 0.000003}},
      {{"Inches/minute", "Kilometers/hour", "Kilometers/second"}, {0.001524, 0.000278}},
      {{"Inches/minute", "Miles/minute", "Miles/second"}, {0.000016, 0.016667}},
      {{"Inches/minute", "Kilometers/hour", "Kilometers/second", "Speed of light"},
       {0.001524, 0.000278, 0.000003}},
      {{"Inches/second", "Kilometers/second", "Speed of light"}, {0.000025, 0.000003}},
      {{"Kilometers/hour", "Kilometers/second", "Speed of light"}, {0.000278, 0.000003}},
      {{"Knots", "Kilometers/second", "Speed of light"}, {0.000514, 0.000003}},
      {{"Meters/hour", "Kilometers/hour", "Kilometers/second"}, {0.001, 0.000278}},
      {{"Meters/hour", "Miles/minute", "Miles/second"}, {0.00001, 0.016667}},
      {{"Meters/hour", "Kilometers/hour", "Kilometers/second", "Speed of light"},
       {0.001, 0.000278, 0.000003}},
      {{"Meters/minute", "Kilometers/second", "Speed of light"}, {0.000017, 0.000003}},
      {{"Meters/second", "Kilometers/second", "Speed of light"}, {0.001, 0.000003}},
      {{"Miles/hour", "Kilometers/second", "Speed of light"}, {0.000447, 0.000003}},
      {{"Miles/minute", "Kilometers/second", "Speed of light"}, {0.026822, 0.000003}},
      {{"Yards/hour", "Kilometers/hour", "Kilometers/second"}, {0.000914, 0.000278}},
      {{"Yards/hour", "Miles/minute", "Miles/second"}, {0.000009, 0.016667}},
      {{"Yards/hour", "Kilometers/hour", "Kilometers/second", "Speed of light"},
       {0.000914, 0.000278, 0.000003}},
      {{"Yards/minute", "Kilometers/second", "Speed of light"}, {0.000015, 0.000003}},
      {{"Yards/second", "Kilometers/second", "Speed of light"}, {0.000914, 0.000003}},
  };
  for (const Chain& c : chains) {
    SCOPED_TRACE(std::string(c.path.front()) + " to " + std::string(c.path.back()));
    const PairExpression& pair = category(CategoryId::Speed)
                                     .table()
                                     .at(position(CategoryId::Speed, c.path.front()),
                                         position(CategoryId::Speed, c.path.back()));
    ASSERT_EQ(pair.kind(), PairExpression::Kind::Product);
    ASSERT_EQ(pair.factorcount(), static_cast<int>(c.factors.size()));
    for (int k = 0; k < pair.factorcount(); ++k)
      EXPECT_EQ(pair.factor(k), c.factors[static_cast<size_t>(k)]) << "factor " << k;
    EXPECT_EQ(pair.places(), 7);
    std::vector<double> steps, factors = c.factors;
    for (size_t step = 0; step + 1 < c.path.size(); ++step)
      steps.push_back(number(expectedconstant(position(CategoryId::Speed, c.path[step]),
                                              position(CategoryId::Speed, c.path[step + 1]))));
    std::sort(steps.begin(), steps.end());
    std::sort(factors.begin(), factors.end());
    EXPECT_EQ(factors, steps);
  }
}

using SpeedTest = FormTest;

TEST_F(SpeedTest, ShowsTheSelectedPair) {
  const Conversion cases[] = {
      {"1", "Kilometers/hour", "Meters/second", "0.277778"},
      {"1", "Meters/second", "Kilometers/hour", "3.6"},
      {"1", "Knots", "Kilometers/hour", "1.852"},
      {"1", "Miles/hour", "Kilometers/hour", "1.609344"},
      {"1", "Feet/minute", "Feet/hour", "59.99988"},
      {"1", "Meters/second", "Feet/hour", "11811"},
      {"1", "Feet/second", "Feet/hour", "3599.9928"},
      {"1", "Miles/hour", "Feet/hour", "5279.98944"},
      {"1", "Inches/second", "Inches/minute", "59.99988"},
      {"1", "Yards/second", "Yards/hour", "3599.9928"},
      {"1", "Meters/minute", "Inches/minute", "39.37"},
      {"1", "Centimeters/minute", "Feet/hour", "1.9685"},
      {"1", "Kilometers/second", "Speed of light", "3E-06"},
      {"1", "Speed of light", "Inches/second", "11802755905.5118"},
      {"1", "Speed of light", "Yards/minute", "19671259842.5197"},
      {"1", "Speed of light", "Meters/second", "299790000"},
      {"1", "Speed of light", "Feet/minute", "59013779527.5591"},
      {"1000", "Kilometers/second", "Speed of light", "0.003"},
      {"1", "Meters/second", "Speed of light", "0"},
      {"1000000000", "Meters/second", "Speed of light", "3"},
      // Chains show 7 decimal places at most.
      {"1000", "Meters/hour", "Miles/second", "0.0001667"},
      {"1000000000", "Inches/minute", "Speed of light", "0.001271"},
      {"2.50", "Knots", "Knots", "2.5"},
      {"007", "Feet/hour", "Feet/hour", "7"},
      {"1E300", "Speed of light", "Speed of light", "1E+300"},
  };
  expectshown(CategoryId::Speed, cases);
}

TEST_F(SpeedTest, LeavesTheDestinationOnEveryFailure) {
  const Failure cases[] = {
      {"", "Knots", "Miles/hour"},
      {"1", "Knots", ""},
      {"1", "", "Miles/hour"},
      {"1", "", ""},
      {".", "Knots", "Miles/hour"},
      {"1/2", "Knots", "Miles/hour"},
      {"1.2.3", "Knots", "Miles/hour"},
      {" ", "Knots", "Miles/hour"},
      {"abc", "Knots", "Miles/hour"},
      {"1e400", "Knots", "Knots"},
      {"1E300", "Speed of light", "Centimeters/minute"},
  };
  expectfailures(CategoryId::Speed, cases);
}

}  // namespace
}  // namespace merovane
