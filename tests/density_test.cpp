// Density: its literals and exceptions, and convertdensity end to end. The rule over the rows'
// figures is the data's (categories/density.units), checked by prebuilt_test and unitdata_test.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "categories/categories.h"
#include "tablegen/exactdecimal.h"
#include "testsupport.h"

namespace merovane {
namespace {

using namespace merovane::testing;

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
