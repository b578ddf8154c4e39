// Force: the literal table's Newtons column and chain, and convertforce end to end.
#include <gtest/gtest.h>

#include "categories/categories.h"
#include "testsupport.h"

namespace merovane {
namespace {

using namespace merovane::testing;

TEST(ForceTable, UnitsInListOrder) {
  const std::vector<std::string_view> expected = {"Dynes",        "Newtons",    "Poundals",
                                                  "Pounds force", "Kilopounds", "Kilogram force",
                                                  "Tonnes forces"};
  EXPECT_EQ(unitnames(category(CategoryId::Force).units), expected);
}

// The Newtons column holds each unit's size in newtons; Dynes to Tonnes forces is the one chain.
TEST(ForceTable, NewtonsColumnAndTheChain) {
  constexpr int kDynes = 0, kNewtons = 1, kTonnesForces = 6;
  const double newtons[] = {0.00001, 1, 0.138255, 4.44822161, 4448.221615, 9.80665, 9806.65};
  for (int s = 0; s < 7; ++s) {
    if (s == kNewtons) continue;
    EXPECT_EQ(category(CategoryId::Force).table().constant(s, kNewtons), newtons[s]) << s;
  }

  const PairExpression& chain = category(CategoryId::Force).table().at(kDynes, kTonnesForces);
  ASSERT_EQ(chain.kind(), PairExpression::Kind::Product);
  ASSERT_EQ(chain.factorcount(), 2);
  EXPECT_EQ(chain.factor(0), 0.000102);
  EXPECT_EQ(chain.factor(1), 0.00001);
  EXPECT_EQ(chain.places(), 8);
}

using ForceTest = FormTest;

TEST_F(ForceTest, ShowsTheSelectedPair) {
  const Conversion cases[] = {
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
  };
  expectshown(CategoryId::Force, cases);
}

TEST_F(ForceTest, LeavesTheDestinationOnEveryFailure) {
  const Failure cases[] = {
      {"", "Newtons", "Dynes"},
      {"1", "Newtons", ""},
      {"1", "", "Dynes"},
      {"1", "", ""},
      {"1/2", "Newtons", "Dynes"},
      {".", "Newtons", "Dynes"},
      {"1.2.3", "Newtons", "Dynes"},
      {" ", "Newtons", "Dynes"},
      {"1E300", "Tonnes forces", "Dynes"},
  };
  expectfailures(CategoryId::Force, cases);
}

}  // namespace
}  // namespace merovane
