// Length: the table's checkpoints, its rule rebuilt exactly, and convertlength end to end.
#include <gtest/gtest.h>

#include <cstdlib>

#include "categories/findlength.h"
#include "core/exactdecimal.h"
#include "testsupport.h"

namespace merovane {
namespace {

using testing::FormTest;
using testing::kUntouched;

int lengthposition(std::string_view unit) {
  const auto units = lengthunits();
  for (size_t at = 0; at < units.size(); ++at)
    if (units[at] == unit) return static_cast<int>(at);
  ADD_FAILURE() << unit;
  return 0;
}

TEST(LengthTable, UnitsInListOrder) {
  const std::vector<std::string_view> expected = {
      "Angstroms",  "Microns",     "Millimeters", "Centimeters", "Decimeters", "Meters",
      "Dekameters", "Hectometers", "Kilometers",  "Mils",        "Picas",      "Inches",
      "Links",      "Spans",       "Feet",        "Cubits",      "Yards",      "Fathoms",
      "Rods",       "Chains",      "Miles",       "Light years"};
  const auto units = lengthunits();
  EXPECT_EQ(std::vector<std::string_view>(units.begin(), units.end()), expected);
}

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
    EXPECT_EQ(lengthtable().constant(lengthposition(c.from), lengthposition(c.to)),
              std::strtod(c.constant, nullptr))
        << c.from << " to " << c.to;
}

// Every constant from the millimeter column, worked out here on its own: 8 decimal places, 9
// significant digits where that leaves zero, 15 significant digits from 10000000 on.
TEST(LengthTable, EveryConstantFollowsTheRuleExactly) {
  const char* millimeters[] = {"0.0000001", "0.001",
                               "1",         "10",
                               "100",       "1000",
                               "10000",     "100000",
                               "1000000",   "0.0254",
                               "4.2333333", "25.4",
                               "201.1684",  "228.6",
                               "304.8",     "457.2",
                               "914.4",     "1828.8",
                               "5029.21",   "20116.84",
                               "1609344",   "9460528000000000000"};
  int checked = 0;
  for (int i = 0; i < 22; ++i)
    for (int j = 0; j < 22; ++j) {
      if (i == j) continue;
      const ExactDecimal x =
          ExactDecimal::parse(millimeters[i]) / ExactDecimal::parse(millimeters[j]);
      ExactDecimal expected = x.roundplaces(8, Rounding::HalfEven);
      if (expected.iszero())
        expected = x.roundsignificant(9, Rounding::HalfEven);
      else if (x >= ExactDecimal(10000000))
        expected = x.roundsignificant(15, Rounding::HalfEven);
      EXPECT_EQ(lengthtable().constant(i, j), std::strtod(expected.text().c_str(), nullptr))
          << i << " to " << j << " should be " << expected.text();
      ++checked;
    }
  EXPECT_EQ(checked, 462);
}

class LengthTest : public FormTest {
 protected:
  std::string length(const std::string& text, std::string_view from, std::string_view to) {
    return convert(CategoryId::Length, text, from, to);
  }
};

struct Conversion {
  const char* text;
  const char* from;
  const char* to;
  const char* shown;
};

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
  for (const Conversion& c : cases)
    EXPECT_EQ(length(c.text, c.from, c.to), c.shown) << c.text << ' ' << c.from << " to " << c.to;
  EXPECT_TRUE(messages.messages().empty());
}

TEST_F(LengthTest, LeavesTheDestinationOnEveryFailure) {
  const Conversion cases[] = {
      {"", "Meters", "Feet", kUntouched},
      {"1", "Meters", "", kUntouched},
      {"1", "", "Feet", kUntouched},
      {"1", "", "", kUntouched},
      {"1/2", "Meters", "Feet", kUntouched},
      {".", "Meters", "Feet", kUntouched},
      {"1.2.3", "Meters", "Feet", kUntouched},
      {" ", "Meters", "Feet", kUntouched},
      {"abc", "Meters", "Feet", kUntouched},
      {"1e400", "Meters", "Meters", kUntouched},
      // Above about 1.9E+282 the Light years to Angstroms cell overflows, so every pair fails.
      {"2e282", "Meters", "Meters", kUntouched},
      {"-2e282", "Feet", "Inches", kUntouched},
  };
  for (const Conversion& c : cases)
    EXPECT_EQ(length(c.text, c.from, c.to), c.shown) << c.text << ' ' << c.from << " to " << c.to;
  EXPECT_TRUE(messages.messages().empty());
}

}  // namespace
}  // namespace merovane
