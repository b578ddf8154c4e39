// Bits and Bytes: the power-of-two literals, the 6-decimal fractions, every chain as written, and
// convertbits end to end with its message box.
#include <gtest/gtest.h>

#include <vector>

#include "categories/categories.h"
#include "core/runtime.h"
#include "tablegen/exactdecimal.h"
#include "testsupport.h"

namespace merovane {
namespace {

using namespace merovane::testing;

const std::vector<std::string_view> kBitUnitNames = {
    "Bits(b)",       "Bytes(B)",      "Kilobits(Kb)",  "Kilobytes(KB)", "Megabits(Mb)",
    "Megabytes(MB)", "Gigabits(Gb)",  "Gigabytes(GB)", "Terabits(Tb)",  "Terabytes(TB)",
    "Petabits(Pt)",  "Petabytes(PT)", "Exabits(Eb)",   "Exabytes(EB)"};

// A unit's size in bits is 2^e; bits and bytes alternate, each prefix is 2^10 more.
int sizeexponent(int position) {
  return 10 * (position / 2) + 3 * (position % 2);
}

ExactDecimal poweroftwo(int k) {
  ExactDecimal power(1);
  for (int step = 0; step < k; ++step) power = power * ExactDecimal(2);
  return power;
}

TEST(BitsTable, UnitsInListOrder) {
  EXPECT_EQ(unitnames(category(CategoryId::BitsAndBytes).units), kBitUnitNames);
}

// Toward a smaller unit: 2^k to 15 significant digits. Toward a larger one up to 2^20: 2^-k to 6
// decimal places, half up. Beyond 2^20 that fraction would round to zero, and exactly those
// pairs multiply a chain instead.
TEST(BitsTable, PowersAndFractionsFollowTheirRule) {
  const ConversionTable& table = category(CategoryId::BitsAndBytes).table();
  int powers = 0, fractions = 0, chains = 0;
  for (int s = 0; s < 14; ++s)
    for (int d = 0; d < 14; ++d) {
      const int k = sizeexponent(s) - sizeexponent(d);
      if (k > 0) {
        const ExactDecimal power = poweroftwo(k).roundsignificant(15, Rounding::HalfUp);
        EXPECT_EQ(table.constant(s, d), power.nearestdouble()) << s << " to " << d;
        ++powers;
      } else if (k < 0) {
        const ExactDecimal fraction =
            (ExactDecimal(1) / poweroftwo(-k)).roundplaces(6, Rounding::HalfUp);
        if (fraction.iszero()) {
          EXPECT_GT(-k, 20);
          EXPECT_EQ(table.at(s, d).kind(), PairExpression::Kind::Product);
          EXPECT_GE(table.at(s, d).factorcount(), 2) << s << " to " << d;
          ++chains;
        } else {
          EXPECT_EQ(table.constant(s, d), fraction.nearestdouble()) << s << " to " << d;
          ++fractions;
        }
      }
    }
  EXPECT_EQ(powers, 91);
  EXPECT_EQ(fractions, 46);
  EXPECT_EQ(chains, 45);
}

// The chain table as written: each pair's own factors in its own order, rounded to 6 places
// except Gigabits(Gb) to Petabytes(PT).
TEST(BitsTable, EveryChainAsWritten) {
  struct Chain {
    const char* from;
    const char* to;
    std::vector<double> factors;
    bool rounded;
  };
  const Chain chains[] = {
      {"Bits(b)", "Megabytes(MB)", {0.000001, 0.125}, true},
      {"Bits(b)", "Gigabits(Gb)", {0.000001, 0.000977}, true},
      {"Bits(b)", "Gigabytes(GB)", {0.000001, 0.000122}, true},
      {"Bits(b)", "Terabits(Tb)", {0.000001, 0.000001}, true},
      {"Bits(b)", "Terabytes(TB)", {0.000001, 0.000001, 0.125}, true},
      {"Bits(b)", "Petabits(Pt)", {0.000001, 0.000001, 0.000977}, true},
      {"Bits(b)", "Petabytes(PT)", {0.000001, 0.000001, 0.000122}, true},
      {"Bits(b)", "Exabits(Eb)", {0.000001, 0.000001, 0.000001}, true},
      {"Bits(b)", "Exabytes(EB)", {0.000001, 0.000001, 0.000001, 0.125}, true},
      {"Bytes(B)", "Gigabits(Gb)", {0.000008, 0.000977}, true},
      {"Bytes(B)", "Gigabytes(GB)", {0.000001, 0.000977}, true},
      {"Bytes(B)", "Terabits(Tb)", {0.000001, 0.000008}, true},
      {"Bytes(B)", "Terabytes(TB)", {0.000001, 0.000001}, true},
      {"Bytes(B)", "Petabits(Pt)", {0.000977, 0.000008, 0.000001}, true},
      {"Bytes(B)", "Petabytes(PT)", {0.000001, 0.000977, 0.000001}, true},
      {"Bytes(B)", "Exabits(Eb)", {0.000001, 0.000008, 0.000001}, true},
      {"Bytes(B)", "Exabytes(EB)", {0.000001, 0.000001, 0.000001}, true},
      {"Kilobits(Kb)", "Gigabytes(GB)", {0.000122, 0.000977}, true},
      {"Kilobits(Kb)", "Terabits(Tb)", {0.000977, 0.000001}, true},
      {"Kilobits(Kb)", "Terabytes(TB)", {0.000122, 0.000977, 0.000977}, true},
      {"Kilobits(Kb)", "Petabits(Pt)", {0.000001, 0.000977, 0.000977}, true},
      {"Kilobits(Kb)", "Petabytes(PT)", {0.000122, 0.000001, 0.000977}, true},
      {"Kilobits(Kb)", "Exabits(Eb)", {0.000001, 0.000001, 0.000977}, true},
      {"Kilobits(Kb)", "Exabytes(EB)", {0.000122, 0.000977, 0.000001, 0.000977}, true},
      {"Kilobytes(KB)", "Terabits(Tb)", {0.000008, 0.000977}, true},
      {"Kilobytes(KB)", "Terabytes(TB)", {0.000001, 0.000977}, true},
      {"Kilobytes(KB)", "Petabits(Pt)", {0.000001, 0.000008}, true},
      {"Kilobytes(KB)", "Petabytes(PT)", {0.000001, 0.000001}, true},
      {"Kilobytes(KB)", "Exabits(Eb)", {0.000008, 0.000977, 0.000001}, true},
      {"Kilobytes(KB)", "Exabytes(EB)", {0.000001, 0.000001, 0.000977}, true},
      {"Megabits(Mb)", "Terabytes(TB)", {0.000001, 0.125}, true},
      {"Megabits(Mb)", "Petabits(Pt)", {0.000977, 0.000001}, true},
      {"Megabits(Mb)", "Petabytes(PT)", {0.000977, 0.000001, 0.125}, true},
      {"Megabits(Mb)", "Exabits(Eb)", {0.000001, 0.000001}, true},
      {"Megabits(Mb)", "Exabytes(EB)", {0.000001, 0.125, 0.000001}, true},
      {"Megabytes(MB)", "Petabits(Pt)", {0.000008, 0.000977}, true},
      {"Megabytes(MB)", "Petabytes(PT)", {0.000977, 0.000001}, true},
      {"Megabytes(MB)", "Exabits(Eb)", {0.000008, 0.000001}, true},
      {"Megabytes(MB)", "Exabytes(EB)", {0.000001, 0.000001}, true},
      {"Gigabits(Gb)", "Petabytes(PT)", {0.000001, 0.125}, false},
      {"Gigabits(Gb)", "Exabits(Eb)", {0.000001, 0.000977}, true},
      {"Gigabits(Gb)", "Exabytes(EB)", {0.000001, 0.125, 0.000977}, true},
      {"Gigabytes(GB)", "Exabits(Eb)", {0.000008, 0.000977}, true},
      {"Gigabytes(GB)", "Exabytes(EB)", {0.000001, 0.000977}, true},
      {"Terabits(Tb)", "Exabytes(EB)", {0.000001, 0.125}, true},
  };
  int longpairs = 0;
  for (int s = 0; s < 14; ++s)
    for (int d = 0; d < 14; ++d)
      if (sizeexponent(d) - sizeexponent(s) > 20) ++longpairs;
  EXPECT_EQ(std::size(chains), static_cast<size_t>(longpairs));

  for (const Chain& chain : chains) {
    const int s = position(CategoryId::BitsAndBytes, chain.from),
              d = position(CategoryId::BitsAndBytes, chain.to);
    EXPECT_GT(sizeexponent(d) - sizeexponent(s), 20) << chain.from << " to " << chain.to;
    const PairExpression& expression = category(CategoryId::BitsAndBytes).table().at(s, d);
    EXPECT_EQ(expression.kind(), PairExpression::Kind::Product);
    EXPECT_EQ(expression.places(), chain.rounded ? 6 : kNoRounding)
        << chain.from << " to " << chain.to;
    ASSERT_EQ(expression.factorcount(), static_cast<int>(chain.factors.size()))
        << chain.from << " to " << chain.to;
    for (int at = 0; at < expression.factorcount(); ++at)
      EXPECT_EQ(expression.factor(at), chain.factors[static_cast<size_t>(at)])
          << chain.from << " to " << chain.to << " factor " << at;
  }
}

using BitsTest = FormTest;

TEST_F(BitsTest, ShowsTheSelectedPair) {
  const Conversion cases[] = {
      {"1", "Bytes(B)", "Bits(b)", "8"},
      {"1", "Kilobytes(KB)", "Bits(b)", "8192"},
      {"1", "Petabits(Pt)", "Bits(b)", "1.12589990684262E+15"},
      {"1", "Exabytes(EB)", "Bits(b)", "9.22337203685478E+18"},
      {"1", "Bits(b)", "Bytes(B)", "0.125"},
      {"1", "Bits(b)", "Kilobits(Kb)", "0.000977"},
      {"1", "Bytes(B)", "Kilobits(Kb)", "0.007813"},
      {"1", "Bytes(B)", "Megabytes(MB)", "1E-06"},
      // 1.25E-07 rounds to 0 at 6 places; Gigabits to Petabytes alone is not rounded.
      {"1", "Bits(b)", "Megabytes(MB)", "0"},
      {"8000000", "Bits(b)", "Megabytes(MB)", "1"},
      {"4000000", "Bits(b)", "Megabytes(MB)", "0.5"},
      {"1", "Gigabits(Gb)", "Petabytes(PT)", "1.25E-07"},
      {"1", "Terabits(Tb)", "Exabytes(EB)", "0"},
      {"1000000000000", "Bits(b)", "Terabits(Tb)", "1"},
      // 0.000122 x 0.000977 x 0.000977, not a chain derived from the 2^33 distance.
      {"1000000000000000", "Kilobits(Kb)", "Terabytes(TB)", "116452.538"},
      {"5", "Terabytes(TB)", "Terabytes(TB)", "5"},
      {"2.50", "Bits(b)", "Bits(b)", "2.5"},
      // The largest factor, Exabytes to Bits, still fits a double here.
      {"1e289", "Bits(b)", "Bits(b)", "1E+289"},
  };
  expectshown(CategoryId::BitsAndBytes, cases);
}

TEST_F(BitsTest, LeavesTheDestinationAndShowsTheError) {
  const Failure cases[] = {
      {"", "Bits(b)", "Bytes(B)", nullptr},
      {"", "", "", nullptr},
      {"1", "Bits(b)", "", nullptr},
      {"1", "", "Bytes(B)", nullptr},
      {"1/2", "Bits(b)", "Bytes(B)", kTypeMismatch},
      {"1/2", "", "", kTypeMismatch},
      {".", "Bits(b)", "Bytes(B)", kTypeMismatch},
      {"1.2.3", "Bits(b)", "Bytes(B)", kTypeMismatch},
      {" ", "Bits(b)", "Bytes(B)", kTypeMismatch},
      {"1e400", "Bits(b)", "Bytes(B)", kOverflow},
      // The Exabytes to Bits cell overflows, so every pair fails, selected or not.
      {"1e290", "Bits(b)", "Bits(b)", kFloatingPoint},
      {"1e290", "", "", kFloatingPoint},
      {"-1e290", "Bits(b)", "Exabytes(EB)", kFloatingPoint},
  };
  expectfailures(CategoryId::BitsAndBytes, cases);
}

}  // namespace
}  // namespace merovane
