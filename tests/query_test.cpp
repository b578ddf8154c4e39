// Requests as people write them, through the library's one entry for them (Query::read): the
// grammar's every form, each with its figure by the units' definitions (the inch of 0.0254 m, the
// pound of 0.45359237 kg, the US cup of 236.5882365 ml), and every way a request is refused.
#include <gtest/gtest.h>

#include <cfloat>
#include <random>

#include "api/exact.h"
#include "core/runtime.h"
#include "merovane/merovane.h"

namespace merovane {
namespace {

struct Converts {
  std::vector<std::string> words;
  const char* expected;
};

void expectconverts(const std::vector<Converts>& cases) {
  for (const Converts& c : cases) {
    const Found<Query> query = Query::read(c.words);
    ASSERT_TRUE(query) << testing::PrintToString(c.words) << ": " << query.error().message();
    EXPECT_EQ(query->convert(Mode::Precise).text(), c.expected) << testing::PrintToString(c.words);
  }
}

TEST(Query, EveryForm) {
  expectconverts({
      {{"5", "ft", "3", "in", "cm"}, "160.02"},        // 63 x 2.54
      {{"5 ft 3 in", "cm"}, "160.02"},                 // in one word
      {{"5 ft 3 in cm"}, "160.02"},                    // all in one
      {{"5'3\"", "cm"}, "160.02"},                     // the marks
      {{"5\u2032 3\u2033", "cm"}, "160.02"},           // the primes, in Length
      {{"3/4", "cup", "ml"}, "177.441177375"},         // 236.5882365 x 3/4
      {{"1", "1/2", "cup", "ml"}, "354.88235475"},     // a mixed number
      {{"1\u00bd", "cup", "ml"}, "354.88235475"},      // a vulgar fraction, joined
      {{"\u00be", "cup", "ml"}, "177.441177375"},      // alone
      {{"6", "lb", "4", "oz", "kg"}, "2.8349523125"},  // 6.25 x 0.45359237
      {{"2", "st", "3", "lb", "lb"}, "31"},            // a stone is 14 lb
      {{"5ft", "cm"}, "152.4"},                        // joined
      {{"100km/h", "mph"}, "62.1371192237334"},        // 100 / 1.609344
      {{"-40\u00b0F", "C"}, "-40"},                    // a temperature, joined and signed
      {{"5", "ft", "to", "cm"}, "152.4"},              // to
      {{"5", "ft", "->", "cm"}, "152.4"},
      {{"-5", "ft", "3", "in", "in"}, "-63"},           // the sign is the whole quantity's
      {{"1", "Light years", "km"}, "9460730472580.8"},  // a name of two words
      {{"1", "Light", "years", "km"}, "9460730472580.8"},
      {{"1.75", "m", "ft in"}, "5 ft 8.89763779527559 in"},  // 1.75 / 0.3048 = 5.74146981627...
      {{"1.75", "m", "ft", "in"}, "5 ft 8.89763779527559 in"},
      {{"2", "in", "ft in"}, "2 in"},  // a leading zero term is left out
      {{"72", "in", "ft in"}, "6 ft 0 in"},
      {{"0.3047999999999999", "m", "ft in"}, "1 ft 0 in"},  // 11.99999999999999961 in, carried
      {{"100", "lb", "st lb"}, "7 st 2 lb"},
      {{"-63", "in", "ft in"}, "-5 ft 3 in"},
      {{"1 ft 13 in", "ft in"}, "2 ft 1 in"},
  });
}

// With Time's h, min and s the same grammar gives durations.
TEST(Query, Durations) {
  if (!Category::find("Time")) GTEST_SKIP() << "no Time category";
  expectconverts({
      {{"1", "h", "30", "min", "min"}, "90"},
      {{"2000", "s", "h min s"}, "33 min 20 s"},
      {{"5400", "s", "h", "min"}, "1 h 30 min"},
  });
}

// A quantity of one plain term converts as its pair does, by the tables too; every other is
// worked out by the definitions, which the tables refuse.
TEST(Query, PlainTermsFollowTheMode) {
  const Found<Query> plain = Query::read("12 in ft");
  ASSERT_TRUE(plain);
  EXPECT_EQ(plain->convert().text(), Pair::find("in", "ft")->convert("12").text());
  EXPECT_EQ(plain->convert(Mode::Precise).text(), "1");
  const Found<Query> sum = Query::read("1 ft 0 in ft");
  ASSERT_TRUE(sum);
  EXPECT_EQ(sum->convert().text(), "1");
  EXPECT_EQ(sum->convert(Mode::Tables).status(), Result::Status::Failed);
  EXPECT_EQ(sum->convert(Mode::Tables).failure(), Result::Failure::NotInTables);
  EXPECT_EQ(sum->convert(Mode::Tables).message(),
            "the window's tables convert one value of one unit, not \"1 ft 0 in\"");
  EXPECT_FALSE(sum->plain());
  EXPECT_DOUBLE_EQ(sum->convert().value(), 1);
  EXPECT_EQ(sum->quantity(), "1 ft 0 in");
  EXPECT_EQ(sum->pair().fromname(), "Feet");
  EXPECT_EQ(sum->convert({Mode::Precise, 3}).text(), "1");
}

TEST(Query, EveryRefusal) {
  struct Refused {
    std::vector<std::string> words;
    Error::Kind kind;
    const char* message;
  };
  const Refused cases[] = {
      {{"5 ft 3 in"},
       Error::Kind::Unreadable,
       "the quantity was read as \"5 ft 3 in\" and no destination came after it: expected the unit "
       "to convert to"},
      {{"5", "3", "cm"}, Error::Kind::Unreadable, "cannot place \"3\": expected the unit of \"5\""},
      {{"ft", "cm"},
       Error::Kind::Unreadable,
       "cannot place \"ft\": expected a number to begin the quantity"},
      {{"5", "ft", "3", "-2", "in", "cm"},
       Error::Kind::Unreadable,
       "cannot place \"-2\": expected the unit of \"3\""},
      {{"5", "ft", "-3", "in", "cm"},
       Error::Kind::Unreadable,
       "cannot place \"-3\": a sign goes before the whole quantity, not a term of it"},
      {{"5", "ft", "cm", "3"},
       Error::Kind::Unreadable,
       "cannot place \"3\": expected a unit of the destination after \"cm\""},
      {{"1", "in", "in ft"},
       Error::Kind::Unreadable,
       "the units of a destination go largest first: \"ft\" is not smaller than \"in\""},
      {{"1 1/2", "C", "F"},
       Error::Kind::Unreadable,
       "Temperature takes one value in one unit, not a sum, a fraction or several units: "
       "\"1 1/2 C\""},
      {{"5", "ft", "3", "kg", "cm"},
       Error::Kind::NoCommonCategory,
       "\"ft\" is a unit of Length and \"kg\" of Weight: no category holds both"},
      {{"5", "ft", "kg"},
       Error::Kind::NoCommonCategory,
       "\"ft\" is a unit of Length and \"kg\" of Weight: no category holds both"},
      {{"1 2 3 4 5 6 7 8 9 in", "cm"},
       Error::Kind::Unreadable,
       "cannot place \"2\": expected the unit of \"1\""},
      {{"1 in 1 in 1 in 1 in 1 in 1 in 1 in 1 in 1 in", "cm"},
       Error::Kind::Unreadable,
       "a quantity takes at most 8 terms; \"1\" is one more"},
      {{"1 in ft ft ft ft ft ft ft ft ft"},
       Error::Kind::Unreadable,
       "a destination takes at most 8 units; \"ft\" is one more"},
      {{std::string(41, '1') + "/2", "in", "cm"},
       Error::Kind::Unreadable,
       "cannot read the number \"11111111111111111111111111111111111111111/2\" exactly: at most "
       "40 significant digits, an exponent of at most 60"},
  };
  for (const Refused& c : cases) {
    const Found<Query> query = Query::read(c.words);
    ASSERT_FALSE(query) << testing::PrintToString(c.words);
    EXPECT_EQ(query.error().kind(), c.kind) << testing::PrintToString(c.words);
    EXPECT_EQ(query.error().message(), c.message) << testing::PrintToString(c.words);
  }
}

// The exact rounding writes every double as the runtime's own formatting does.
TEST(Query, ExactRoundingWritesAsTheRuntime) {
  std::mt19937_64 random(30);
  std::uniform_real_distribution<double> exponent(-30, 30);
  for (int at = 0; at < 300; ++at) {
    const double value = std::pow(10.0, exponent(random)) * (at % 2 == 0 ? 1 : -1);
    char text[kNumberTextCapacity];
    for (const int digits : {15, 3, 17}) {
      const int length = numbertotext(value, digits, text);
      // The double's exact value: its 17 digits are not exact, its hexadecimal fraction is.
      int binary = 0;
      const double mantissa = std::frexp(std::fabs(value), &binary);
      Whole power(1);
      for (int shift = std::abs(binary - 53); shift > 0; --shift) power = power * Whole(2);
      const Whole whole =
          Whole::ofdigits(std::to_string(static_cast<std::uint64_t>(std::ldexp(mantissa, 53))));
      const Exact exact = binary >= 53 ? Exact{value < 0, whole * power, Whole(1)}
                                       : Exact{value < 0, whole, power}.reduced();
      EXPECT_EQ(roundedtext(exact, digits), std::string(text, static_cast<size_t>(length)))
          << value << " " << digits;
    }
  }
}

}  // namespace
}  // namespace merovane
