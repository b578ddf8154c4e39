// Energy: the literal table against its rule, and convertenergy end to end.
#include <gtest/gtest.h>

#include <cstdlib>

#include "categories/findenergy.h"
#include "core/exactdecimal.h"
#include "testsupport.h"

namespace merovane {
namespace {

using testing::FormTest;
using testing::kUntouched;

TEST(EnergyTable, UnitsInListOrder) {
  const std::vector<std::string_view> expected = {
      "Ergs", "Calories",  "Joules",     "Foot-pounds",     "Kilocalories",
      "BTU",  "Foot-tons", "Watt-hours", "Horsepower-hours"};
  const auto units = energyunits();
  EXPECT_EQ(std::vector<std::string_view>(units.begin(), units.end()), expected);
}

// Each literal, worked out here from the sizes in joules: 8 decimal places, an exact half up;
// 9 significant digits from Ergs to Kilocalories, BTU, Foot-tons, Watt-hours and
// Horsepower-hours.
TEST(EnergyTable, EveryLiteralFollowsTheRule) {
  const char* joules[] = {"0.0000001", "4.1868",   "1",    "1.355818",  "4186.8",
                          "1055.056",  "2711.636", "3600", "2684519.64"};
  constexpr int kErgs = 0, kKilocalories = 4;
  int checked = 0;
  for (int s = 0; s < 9; ++s)
    for (int d = 0; d < 9; ++d) {
      if (s == d) continue;
      const ExactDecimal x = ExactDecimal::parse(joules[s]) / ExactDecimal::parse(joules[d]);
      const ExactDecimal expected = s == kErgs && d >= kKilocalories
                                        ? x.roundsignificant(9, Rounding::HalfUp)
                                        : x.roundplaces(8, Rounding::HalfUp);
      EXPECT_FALSE(expected.iszero()) << s << " to " << d;
      EXPECT_EQ(energytable().constant(s, d), std::strtod(expected.text().c_str(), nullptr))
          << s << " to " << d << " should be " << expected.text();
      ++checked;
    }
  EXPECT_EQ(checked, 72);
}

struct Conversion {
  const char* text;
  const char* from;
  const char* to;
  const char* shown;
};

class EnergyTest : public FormTest {
 protected:
  void expectall(const std::vector<Conversion>& cases) {
    for (const Conversion& c : cases)
      EXPECT_EQ(convert(CategoryId::Energy, c.text, c.from, c.to), c.shown)
          << '"' << c.text << "\" " << c.from << " to " << c.to;
    EXPECT_TRUE(messages.messages().empty());
  }
};

TEST_F(EnergyTest, ShowsTheSelectedPair) {
  expectall({
      {"1", "Calories", "Joules", "4.1868"},
      {"1", "Foot-tons", "Foot-pounds", "2000"},
      {"1", "Horsepower-hours", "Foot-tons", "990"},
      {"1", "Ergs", "Calories", "2E-08"},
      {"1", "Ergs", "Kilocalories", "2.38845897E-11"},
      {"1", "Ergs", "Horsepower-hours", "3.72506122E-14"},
      {"1", "Horsepower-hours", "Ergs", "26845196400000"},
      {"2", "Kilocalories", "Foot-pounds", "6176.05017782"},
      {"3", "BTU", "BTU", "3"},
      {"1E300", "Horsepower-hours", "Horsepower-hours", "1E+300"},
  });
}

TEST_F(EnergyTest, LeavesTheDestinationOnEveryFailure) {
  expectall({
      {"", "Calories", "Joules", kUntouched},
      {"1", "Calories", "", kUntouched},
      {"1", "", "Joules", kUntouched},
      {"1", "", "", kUntouched},
      {"1/2", "Calories", "Joules", kUntouched},
      {".", "Calories", "Joules", kUntouched},
      {"1.2.3", "Calories", "Joules", kUntouched},
      {" ", "Calories", "Joules", kUntouched},
      {"1E300", "Horsepower-hours", "Ergs", kUntouched},
  });
}

}  // namespace
}  // namespace merovane
