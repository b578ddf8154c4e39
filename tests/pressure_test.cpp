// Pressure: the literal table against its rule, and convertpressure end to end.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "categories/findpressure.h"
#include "core/exactdecimal.h"
#include "testsupport.h"

namespace merovane {
namespace {

using testing::FormTest;
using testing::kUntouched;

const std::vector<std::string_view> kPressureUnits = {"Pascals",
                                                      "Millibars/Hectopascals",
                                                      "Inches of water column",
                                                      "Kilopascals",
                                                      "Inches of mercury in (Hg)",
                                                      "Pounds/square inch(psi)",
                                                      "Atmospheres",
                                                      "Megapascals",
                                                      "Kilopounds/square inch"};

double number(const std::string& decimal) {
  return std::strtod(decimal.c_str(), nullptr);
}

TEST(PressureTable, UnitsInListOrder) {
  const auto units = pressureunits();
  EXPECT_EQ(std::vector<std::string_view>(units.begin(), units.end()), kPressureUnits);
}

// The table's every constant is the ratio of the two units in Pascals, worked out exactly and
// rounded to 8 decimal places.
TEST(PressureTable, EveryConstantFollowsTheRule) {
  const char* pascals[] = {"1",        "100",    "249.0889", "1000",   "3386.38",
                           "6894.757", "101325", "1000000",  "6894757"};
  int checked = 0;
  for (int i = 0; i < 9; ++i)
    for (int j = 0; j < 9; ++j) {
      if (i == j) continue;
      const ExactDecimal x = ExactDecimal::parse(pascals[i]) / ExactDecimal::parse(pascals[j]);
      const ExactDecimal expected = x.roundplaces(8, Rounding::HalfEven);
      EXPECT_EQ(pressuretable().constant(i, j), number(expected.text()))
          << kPressureUnits[i] << " to " << kPressureUnits[j] << " should be " << expected.text();
      ++checked;
    }
  EXPECT_EQ(checked, 72);
}

class PressureTest : public FormTest {
 protected:
  std::string pressure(const std::string& text, std::string_view from, std::string_view to) {
    return convert(CategoryId::Pressure, text, from, to);
  }
};

struct Conversion {
  const char* text;
  const char* from;
  const char* to;
  const char* shown;
};

TEST_F(PressureTest, ShowsTheSelectedPair) {
  const Conversion cases[] = {
      {"1", "Atmospheres", "Pascals", "101325"},
      {"1", "Kilopounds/square inch", "Pounds/square inch(psi)", "1000"},
      {"1", "Inches of mercury in (Hg)", "Pascals", "3386.38"},
      {"1", "Megapascals", "Inches of water column", "4014.63092093"},
      {"1", "Atmospheres", "Pounds/square inch(psi)", "14.6959494"},
      {"1", "Megapascals", "Pounds/square inch(psi)", "145.0377439"},
      {"1", "Kilopounds/square inch", "Inches of water column", "27679.90464449"},
      {"1", "Inches of water column", "Inches of mercury in (Hg)", "0.0735561"},
      // The small constant keeps two digits: 0.00015, not 0.000145.
      {"1000", "Pascals", "Kilopounds/square inch", "0.00015"},
      {"1", "Pascals", "Kilopounds/square inch", "1.5E-07"},
      {"1", "Pascals", "Atmospheres", "9.87E-06"},
      {"1", "Kilopounds/square inch", "Pascals", "6894757"},
      {"2.50", "Pascals", "Pascals", "2.5"},
      {"1.7E308", "Atmospheres", "Atmospheres", "1.7E+308"},
  };
  for (const Conversion& c : cases)
    EXPECT_EQ(pressure(c.text, c.from, c.to), c.shown) << c.text << ' ' << c.from << " to " << c.to;
  EXPECT_TRUE(messages.messages().empty());
}

TEST_F(PressureTest, LeavesTheDestinationOnEveryFailure) {
  const Conversion cases[] = {
      {"", "Pascals", "Atmospheres", kUntouched},
      {"", "Pascals", "Pascals", kUntouched},
      {"1", "Pascals", "", kUntouched},
      {"1", "", "Atmospheres", kUntouched},
      {"1", "", "", kUntouched},
      {".", "Pascals", "Atmospheres", kUntouched},
      {"1/2", "Pascals", "Atmospheres", kUntouched},
      {"1.2.3", "Pascals", "Atmospheres", kUntouched},
      {" ", "Pascals", "Atmospheres", kUntouched},
      {"abc", "Pascals", "Atmospheres", kUntouched},
      {"1e400", "Pascals", "Pascals", kUntouched},
      {"1.7E308", "Atmospheres", "Pascals", kUntouched},
  };
  for (const Conversion& c : cases)
    EXPECT_EQ(pressure(c.text, c.from, c.to), c.shown) << c.text << ' ' << c.from << " to " << c.to;
  EXPECT_TRUE(messages.messages().empty());
}

}  // namespace
}  // namespace merovane
