// Length: the table's checkpoints and convertlength end to end. The rule over the rows' figures is
// the data's (categories/length.units), checked by prebuilt_test and unitdata_test.
#include <gtest/gtest.h>

#include "categories/categories.h"
#include "testsupport.h"

namespace merovane {
namespace {

using namespace merovane::testing;

struct Checkpoint {
  const char* from;
  const char* to;
  const char* constant;
};

TEST(LengthTable, Checkpoints) {
  const Checkpoint checkpoints[] = {
      {"Kilometers", "Meters", "1000"},
      {"Miles", "Meters", "1609.344"},
      {"Meters", "Feet", "3.2808399"},
      {"Meters", "Yards", "1.0936133"},
      {"Feet", "Spans", "1.33333333"},
      {"Inches", "Picas", "6.00000005"},
      {"Picas", "Mils", "166.66666535"},
      {"Picas", "Angstroms", "42333333"},
      {"Links", "Rods", "0.04"},
      {"Rods", "Links", "25"},
      {"Chains", "Links", "100"},
      {"Miles", "Links", "7999.98409293"},
      {"Angstroms", "Mils", "0.00000394"},
      {"Millimeters", "Miles", "0.00000062"},
      {"Mils", "Kilometers", "0.00000003"},
      {"Angstroms", "Inches", "0.00000000393700787"},
      {"Microns", "Miles", "0.000000000621371192"},
      {"Kilometers", "Mils", "39370078.7401575"},
      {"Light years", "Meters", "9460528000000000"},
      {"Light years", "Fathoms", "5173079615048120"},
      {"Light years", "Miles", "5878499562554.68"},
      {"Light years", "Picas", "2234770411297400000"},
  };
  for (const Checkpoint& c : checkpoints)
    EXPECT_EQ(
        category(CategoryId::Length)
            .table()
            .constant(position(CategoryId::Length, c.from), position(CategoryId::Length, c.to)),
        number(c.constant))
        << c.from << " to " << c.to;
}

using LengthTest = FormTest;

TEST_F(LengthTest, ShowsTheSelectedPair) {
  const Conversion cases[] = {
      {"1", "Kilometers", "Meters", "1000"},
      {"1", "Miles", "Meters", "1609.344"},
      {"1", "Inches", "Picas", "6.00000005"},
      {"1", "Miles", "Links", "7999.98409293"},
      {"1", "Light years", "Miles", "5878499562554.68"},
      {"1", "Light years", "Picas", "2.2347704112974E+18"},
      {"1", "Angstroms", "Inches", "3.93700787E-09"},
      {"2", "Meters", "Meters", "2"},
      {"1.50", "Meters", "Meters", "1.5"},
      {"007", "Feet", "Feet", "7"},
      {"-3", "Yards", "Feet", "-9"},
      {"-1", "Kilometers", "Meters", "-1000"},
      {"1.8e282", "Meters", "Meters", "1.8E+282"},
      {"1e-320", "Meters", "Meters", "9.99988867182683E-321"},
  };
  expectshown(CategoryId::Length, cases);
}

TEST_F(LengthTest, LeavesTheDestinationOnEveryFailure) {
  const Failure cases[] = {
      {"", "Meters", "Feet"},
      {"1", "Meters", ""},
      {"1", "", "Feet"},
      {"1", "", ""},
      {"1/2", "Meters", "Feet"},
      {".", "Meters", "Feet"},
      {"1.2.3", "Meters", "Feet"},
      {" ", "Meters", "Feet"},
      {"abc", "Meters", "Feet"},
      {"1e400", "Meters", "Meters"},
      // Above about 1.9E+282 the Light years to Angstroms cell overflows, so every pair fails.
      {"2e282", "Meters", "Meters"},
      {"-2e282", "Feet", "Inches"},
  };
  expectfailures(CategoryId::Length, cases);
}

}  // namespace
}  // namespace merovane
