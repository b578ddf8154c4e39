// Density: the rule rebuilt exactly, its literals and exceptions, and convertdensity end to end.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "categories/categories.h"
#include "tablegen/exactdecimal.h"
#include "testsupport.h"

namespace merovane {
namespace {

using namespace merovane::testing;

TEST(DensityTable, UnitsInListOrder) {
  const std::vector<std::string_view> expected = {
      "Grains/gallon",         "Grams/cubic centimeters", "Grams/liter",
      "Grams/milliliters",     "Kilograms/cubic meters",  "Kilograms/liter",
      "Megagrams/cubic meter", "Milligrams/milliliter",   "Milligrams/liter",
      "Ounces/cubic inch",     "Ounces/gallon",           "Pounds/cubic inch",
      "Pounds/cubic foot",     "Pounds/gallon",           "Slugs/cubic foot",
      "Tonnes/cubic meter",    "Tons/cubic yard"};
  EXPECT_EQ(unitnames(category(CategoryId::Density).units), expected);
}

// Literals the table writes, the four exceptions among them.
TEST(DensityTable, Literals) {
  const struct {
    const char* from;
    const char* to;
    double constant;
  } literals[] = {
      {"Kilograms/cubic meters", "Grains/gallon", 58.418},
      {"Grains/gallon", "Kilograms/cubic meters", 0.017118},
      {"Slugs/cubic foot", "Kilograms/cubic meters", 515.317882},
      {"Grains/gallon", "Grams/cubic centimeters", 0.000017},
      {"Grams/cubic centimeters", "Grains/gallon", 58418},
      {"Pounds/cubic inch", "Ounces/cubic inch", 16},
      {"Ounces/cubic inch", "Pounds/cubic inch", 0.0625},
      {"Pounds/cubic inch", "Milligrams/liter", 27679904},
      {"Milligrams/liter", "Ounces/cubic inch", 0.000001},
      {"Milligrams/liter", "Tons/cubic yard", 0.000001},
      {"Milligrams/liter", "Slugs/cubic foot", 0.000002},
      {"Grains/gallon", "Milligrams/liter", 17.118012},
      {"Slugs/cubic foot", "Grains/gallon", 30103.840034},
      {"Slugs/cubic foot", "Milligrams/liter", 515317.88206},
  };
  for (const auto& c : literals)
    EXPECT_EQ(
        category(CategoryId::Density)
            .table()
            .constant(position(CategoryId::Density, c.from), position(CategoryId::Density, c.to)),
        c.constant)
        << c.from << " to " << c.to;

  const PairExpression& chain = category(CategoryId::Density)
                                    .table()
                                    .at(position(CategoryId::Density, "Milligrams/liter"),
                                        position(CategoryId::Density, "Pounds/cubic inch"));
  ASSERT_EQ(chain.factorcount(), 2);
  EXPECT_EQ(chain.factor(0), 0.001);
  EXPECT_EQ(chain.factor(1), 0.000036);
  EXPECT_EQ(chain.places(), 6);
}

// Every other pair worked out here from the kilograms per cubic meter column: units of one size
// are unchanged; else the ratio, or the size times 58.418 toward Grains/gallon, to 6 decimal
// places with an exact half up.
TEST(DensityTable, EveryOtherPairFollowsTheRule) {
  const char* kilograms[] = {"0.017118", "1000",       "1",         "1000",       "1",
                             "1000",     "1000",       "1",         "0.001",      "1729.994044",
                             "7.489152", "27679.904",  "16.018463", "119.826427", "515.317882",
                             "1000",     "1186.552843"};
  const int grains = 0, milligrams = 8, poundspercubicinch = 11, slugs = 14;
  const std::vector<std::pair<int, int>> exceptions = {
      {grains, milligrams}, {slugs, grains}, {slugs, milligrams}, {milligrams, poundspercubicinch}};
  int unchanged = 0, constants = 0;
  for (int s = 0; s < 17; ++s)
    for (int d = 0; d < 17; ++d) {
      if (s == d ||
          std::find(exceptions.begin(), exceptions.end(), std::pair(s, d)) != exceptions.end())
        continue;
      const ExactDecimal from = ExactDecimal::parse(kilograms[s]);
      const ExactDecimal to = ExactDecimal::parse(kilograms[d]);
      if (from == to) {
        EXPECT_EQ(category(CategoryId::Density).table().at(s, d).kind(),
                  PairExpression::Kind::Unchanged)
            << s << d;
        ++unchanged;
        continue;
      }
      const ExactDecimal ratio = d == grains ? from * ExactDecimal::parse("58.418") : from / to;
      const ExactDecimal expected = ratio.roundplaces(6, Rounding::HalfUp);
      EXPECT_FALSE(expected.iszero()) << s << " to " << d;
      EXPECT_EQ(category(CategoryId::Density).table().constant(s, d), number(expected))
          << s << " to " << d << " should be " << expected.text();
      ++constants;
    }
  EXPECT_EQ(unchanged, 26);
  EXPECT_EQ(constants + unchanged + 4, 272);
}

using DensityTest = FormTest;

TEST_F(DensityTest, ShowsTheSelectedPair) {
  const Conversion cases[] = {
      {"1", "Kilograms/cubic meters", "Grains/gallon", "58.418"},
      {"1", "Grains/gallon", "Kilograms/cubic meters", "0.017118"},
      {"1", "Grains/gallon", "Grams/cubic centimeters", "1.7E-05"},
      {"1", "Pounds/cubic inch", "Ounces/cubic inch", "16"},
      {"5", "Grams/cubic centimeters", "Tonnes/cubic meter", "5"},
      {"1", "Slugs/cubic foot", "Kilograms/cubic meters", "515.317882"},
      {"1", "Milligrams/liter", "Ounces/cubic inch", "1E-06"},
      {"1", "Milligrams/liter", "Pounds/cubic inch", "0"},
      {"1000000", "Milligrams/liter", "Pounds/cubic inch", "0.036"},
      {"1E301", "Pounds/cubic inch", "Pounds/cubic inch", "1E+301"},
  };
  expectshown(CategoryId::Density, cases);
}

TEST_F(DensityTest, LeavesTheDestinationOnEveryFailure) {
  const Failure cases[] = {
      {"", "Grams/liter", "Grains/gallon"},
      {"1", "Grams/liter", ""},
      {"1", "", "Grains/gallon"},
      {"1", "", ""},
      {"1/2", "Grams/liter", "Grains/gallon"},
      {".", "Grams/liter", "Grains/gallon"},
      {"1.2.3", "Grams/liter", "Grains/gallon"},
      {" ", "Grams/liter", "Grains/gallon"},
      {"1E301", "Pounds/cubic inch", "Milligrams/liter"},
  };
  expectfailures(CategoryId::Density, cases);
}

}  // namespace
}  // namespace merovane
