// Exact decimal arithmetic for the rule tables.
#include "tablegen/exactdecimal.h"

#include <gtest/gtest.h>

namespace merovane {
namespace {

ExactDecimal d(const char* text) {
  return ExactDecimal::parse(text);
}

TEST(ExactDecimal, QuotientsAreExact) {
  EXPECT_EQ((d("0.1") + d("0.2")).text(), "0.3");
  EXPECT_EQ(
      (d("9460528000000000000") / d("4.2333333")).roundsignificant(15, Rounding::HalfEven).text(),
      "2234770411297400000");
  EXPECT_EQ((d("1") / d("8")).text(), "0.125");
  EXPECT_EQ((d("-25.4") * d("0.001")).text(), "-0.0254");
  EXPECT_THROW((d("1") / d("3")).text(), std::domain_error);
  EXPECT_THROW(d("1") / d("0"), std::domain_error);
  EXPECT_THROW(d("1.2.3"), std::invalid_argument);
}

struct RoundingCase {
  const char* value;
  int places;
  const char* halfup;
  const char* awayfromzero;
  const char* halfeven;
};

TEST(ExactDecimal, RoundsToDecimalPlacesInEachMode) {
  const RoundingCase cases[] = {
      {"0.125", 2, "0.13", "0.13", "0.12"},
      {"-0.125", 2, "-0.12", "-0.13", "-0.12"},
      {"0.135", 2, "0.14", "0.14", "0.14"},
      {"28.3495231250", 8, "28.34952313", "28.34952313", "28.34952312"},
      {"0.00000000220462262185", 8, "0", "0", "0"},
      {"2.4", 0, "2", "2", "2"},
      {"-2.6", 0, "-3", "-3", "-3"},
  };
  for (const RoundingCase& c : cases) {
    EXPECT_EQ(d(c.value).roundplaces(c.places, Rounding::HalfUp).text(), c.halfup) << c.value;
    EXPECT_EQ(d(c.value).roundplaces(c.places, Rounding::HalfAwayFromZero).text(), c.awayfromzero)
        << c.value;
    EXPECT_EQ(d(c.value).roundplaces(c.places, Rounding::HalfEven).text(), c.halfeven) << c.value;
  }
}

TEST(ExactDecimal, RoundsToSignificantDigits) {
  EXPECT_EQ(d("0.00000000220462262185").roundsignificant(9, Rounding::HalfAwayFromZero).text(),
            "0.00000000220462262");
  EXPECT_EQ(d("123456").roundsignificant(3, Rounding::HalfEven).text(), "123000");
  EXPECT_EQ(d("999.96").roundsignificant(4, Rounding::HalfEven).text(), "1000");
  EXPECT_EQ(d("0").roundsignificant(9, Rounding::HalfEven).text(), "0");
  EXPECT_EQ(d("59013779527.559055").roundsignificant(15, Rounding::HalfAwayFromZero).text(),
            "59013779527.5591");
  EXPECT_EQ(d("0.0000123").significantdigits(), 3);
  EXPECT_EQ(d("100.5").significantdigits(), 4);
}

TEST(ExactDecimal, NearestDouble) {
  EXPECT_EQ(d("0.1").nearestdouble(), 0.1);
  EXPECT_EQ(d("2234770411297400000").nearestdouble(), 2234770411297400000.0);
  EXPECT_EQ(d("0.00000000393700787").nearestdouble(), 3.93700787e-9);
  EXPECT_EQ(d("-1609.344").nearestdouble(), -1609.344);
  // Any rational, a tie going to the even neighbour.
  EXPECT_EQ((d("1") / d("3")).nearestdouble(), 1.0 / 3.0);
  EXPECT_EQ((d("-5") / d("9")).nearestdouble(), -5.0 / 9.0);
  EXPECT_EQ(d("9007199254740993").nearestdouble(), 9007199254740992.0);
  EXPECT_EQ(d("9007199254740995").nearestdouble(), 9007199254740996.0);
}

}  // namespace
}  // namespace merovane
