// Force: the literal table's Newtons column and chain, and convertforce end to end.
#include <gtest/gtest.h>

#include "categories/findforce.h"
#include "testsupport.h"

namespace merovane {
namespace {

using testing::FormTest;
using testing::kUntouched;

TEST(ForceTable, UnitsInListOrder) {
  const std::vector<std::string_view> expected = {"Dynes",        "Newtons",    "Poundals",
                                                  "Pounds force", "Kilopounds", "Kilogram force",
                                                  "Tonnes forces"};
  const auto units = forceunits();
  EXPECT_EQ(std::vector<std::string_view>(units.begin(), units.end()), expected);
}

// The Newtons column holds each unit's size in newtons; Dynes to Tonnes forces is the one chain.
TEST(ForceTable, NewtonsColumnAndTheChain) {
  constexpr int kDynes = 0, kNewtons = 1, kTonnesForces = 6;
  const double newtons[] = {0.00001, 1, 0.138255, 4.44822161, 4448.221615, 9.80665, 9806.65};
  for (int s = 0; s < 7; ++s) {
    if (s == kNewtons) continue;
    EXPECT_EQ(forcetable().constant(s, kNewtons), newtons[s]) << s;
  }

  const PairExpression& chain = forcetable().at(kDynes, kTonnesForces);
  ASSERT_EQ(chain.kind(), PairExpression::Kind::Product);
  ASSERT_EQ(chain.factorcount(), 2);
  EXPECT_EQ(chain.factor(0), 0.000102);
  EXPECT_EQ(chain.factor(1), 0.00001);
  EXPECT_EQ(chain.places(), 8);
}

struct Conversion {
  const char* text;
  const char* from;
  const char* to;
  const char* shown;
};

class ForceTest : public FormTest {
 protected:
  void expectall(const std::vector<Conversion>& cases) {
    for (const Conversion& c : cases)
      EXPECT_EQ(convert(CategoryId::Force, c.text, c.from, c.to), c.shown)
          << '"' << c.text << "\" " << c.from << " to " << c.to;
    EXPECT_TRUE(messages.messages().empty());
  }
};

TEST_F(ForceTest, ShowsTheSelectedPair) {
  expectall({
      {"1", "Newtons", "Dynes", "100000"},
      {"1", "Kilogram force", "Newtons", "9.80665"},
      {"1", "Pounds force", "Kilopounds", "0.001"},
      {"2", "Poundals", "Poundals", "2"},
      {"1", "Dynes", "Tonnes forces", "0"},
      {"1000000000", "Dynes", "Tonnes forces", "1.02"},
      {"1", "Dynes", "Kilogram force", "1E-06"},
      {"1", "Dynes", "Kilopounds", "2.24808943E-09"},
      {"1", "Kilogram force", "Pounds force", "2.204623"},
      {"1", "Tonnes forces", "Kilopounds", "2.204622"},
      {"1", "Tonnes forces", "Dynes", "980665000"},
      {"3", "Kilopounds", "Pounds force", "3000"},
      {"1E300", "Tonnes forces", "Tonnes forces", "1E+300"},
  });
}

TEST_F(ForceTest, LeavesTheDestinationOnEveryFailure) {
  expectall({
      {"", "Newtons", "Dynes", kUntouched},
      {"1", "Newtons", "", kUntouched},
      {"1", "", "Dynes", kUntouched},
      {"1", "", "", kUntouched},
      {"1/2", "Newtons", "Dynes", kUntouched},
      {".", "Newtons", "Dynes", kUntouched},
      {"1.2.3", "Newtons", "Dynes", kUntouched},
      {" ", "Newtons", "Dynes", kUntouched},
      {"1E300", "Tonnes forces", "Dynes", kUntouched},
  });
}

}  // namespace
}  // namespace merovane
