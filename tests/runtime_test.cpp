// The numeric runtime: reading and writing numbers, decimal rounding, the floating-point check.
#include "core/runtime.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace merovane {
namespace {

struct TextCase {
  std::string text;
  double value;
};

TEST(TextToNumber, ReadsNumbers) {
  const TextCase cases[] = {
      {"1", 1},
      {"007", 7},
      {".5", 0.5},
      {"5.", 5},
      {"-3", -3},
      {"+3", 3},
      {" 12 ", 12},
      {"\t2.50\t", 2.5},
      {"1E5", 1e5},
      {"1e-3", 0.001},
      {"2.5E+2", 250},
      {"0", 0},
      {"1e-400", 0},
      {"4.9e-324", 4.9e-324},
      {"1.7976931348623157e308", DBL_MAX},
      {"0.0000000000000000000000000000001", 1e-31},
  };
  for (const TextCase& c : cases) EXPECT_EQ(texttonumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(TextToNumber, NegativeZeroReadsAsZero) {
  const double value = texttonumber("-0");
  EXPECT_EQ(value, 0);
  EXPECT_EQ(numbertotext(value), "0");
}

TEST(TextToNumber, RejectsWhatIsNoNumber) {
  const std::string cases[] = {"",          " ",
                               ".",         "1.2.3",
                               "1/2",       "abc",
                               "1,5",       "-",
                               "+",         "1e",
                               "e5",        "1 2",
                               "--1",       "0x10",
                               "inf",       "nan",
                               "1-",        "1e+",
                               ". 5",       "\xff",
                               "1\xc3\xa9", std::string("1\0", 2),
                               "１"};
  for (const std::string& text : cases) {
    try {
      texttonumber(text);
      ADD_FAILURE() << "read \"" << text << "\" as a number";
    } catch (const RuntimeError& error) {
      EXPECT_EQ(error.kind(), ErrorKind::TypeMismatch) << text;
      EXPECT_EQ(error.Description(), "Type mismatch");
    }
  }
}

TEST(TextToNumber, OverflowBeyondTheDoubleRange) {
  for (const std::string& text :
       std::vector<std::string>{"1e309", "-1e309", "1.8e308", std::string(400, '9')}) {
    try {
      texttonumber(text);
      ADD_FAILURE() << text;
    } catch (const RuntimeError& error) {
      EXPECT_EQ(error.kind(), ErrorKind::Overflow);
      EXPECT_EQ(error.Description(), "Overflow");
    }
  }
}

TEST(TextToNumber, HoldsOnAMegabyte) {
  EXPECT_THROW(texttonumber(std::string(1 << 20, '7')), RuntimeError);  // overflow
  EXPECT_EQ(texttonumber("0." + std::string(1 << 20, '0') + "1"), 0);   // underflow
  EXPECT_THROW(texttonumber(std::string(1 << 20, '1') + "x"), RuntimeError);
  EXPECT_THROW(texttonumber(std::string(1 << 20, '\0')), RuntimeError);
  EXPECT_EQ(texttonumber("1e" + std::string(1 << 20, '0')), 1);
}

struct NumberCase {
  double value;
  std::string text;
};

TEST(NumberToText, GeneralFormWithFifteenDigits) {
  const NumberCase cases[] = {
      {1.5, "1.5"},
      {0.5, "0.5"},
      {100, "100"},
      {-2.5, "-2.5"},
      {0, "0"},
      {-0.0, "0"},
      {0.1 + 0.2, "0.3"},
      {1.0 / 3, "0.333333333333333"},
      {2.0 / 3, "0.666666666666667"},
      {123456789012345.6, "123456789012346"},
      {999999999999999, "999999999999999"},
      {1e15, "1E+15"},
      {1125899906842624, "1.12589990684262E+15"},
      {2234770411297400000.0, "2.2347704112974E+18"},
      {1e100, "1E+100"},
      {0.0001, "0.0001"},
      {0.00012345, "0.00012345"},
      {0.00001, "1E-05"},
      {1.25e-7, "1.25E-07"},
      {-3.93700787e-9, "-3.93700787E-09"},
      {4.9406564584124654e-324, "4.94065645841247E-324"},
      {2.2250738585072014e-308, "2.2250738585072E-308"},
      {DBL_MAX, "1.79769313486232E+308"},
      {-DBL_MAX, "-1.79769313486232E+308"},
  };
  for (const NumberCase& c : cases) EXPECT_EQ(numbertotext(c.value), c.text) << c.value;
}

// Any count of digits rounds the double's exact value once: 0.15 is a little below 0.15 and 2.5
// an exact half, which goes to the even neighbour.
TEST(NumberToText, ChosenDigitsRoundTheExactDouble) {
  struct Case {
    double value;
    int digits;
    const char* text;
  };
  const Case cases[] = {
      {1.609344, 3, "1.61"},
      {1234.5, 3, "1.23E+03"},
      {0.0254, 17, "0.025399999999999999"},
      {0.15, 1, "0.1"},
      {2.5, 1, "2"},
      {999.5, 3, "1E+03"},
      {123456, 6, "123456"},
      {1e6, 6, "1E+06"},
      {0.0001, 2, "0.0001"},
      {0.00001234, 3, "1.23E-05"},
      {-0.0, 5, "0"},
      {1.0 / 3, 17, "0.33333333333333331"},
      {-DBL_MAX, 17, "-1.7976931348623157E+308"},
      {4.9406564584124654e-324, 17, "4.9406564584124654E-324"},
  };
  for (const Case& c : cases) {
    char text[kNumberTextCapacity];
    EXPECT_EQ(std::string(text, static_cast<size_t>(numbertotext(c.value, c.digits, text))), c.text)
        << c.value << " to " << c.digits;
  }
}

TEST(NumberToText, IgnoresTheLocale) {
  const char* chosen = nullptr;
  for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "C.UTF-8"})
    if ((chosen = std::setlocale(LC_ALL, name)) != nullptr) break;
  EXPECT_EQ(numbertotext(1609.344), "1609.344");
  EXPECT_EQ(texttonumber("2.5"), 2.5);
  std::setlocale(LC_ALL, "C");
}

struct RoundCase {
  double value;
  int places;
  double rounded;
};

TEST(Round, ToNearestWithExactHalvesToEven) {
  const RoundCase cases[] = {
      {2.5, 0, 2},
      {3.5, 0, 4},
      {-2.5, 0, -2},
      {0.125, 2, 0.12},
      {0.375, 2, 0.38},
      {-0.125, 2, -0.12},
      {1.25e-7, 6, 0},
      {0.278, 7, 0.278},
      {1e20, 6, 1e20},
      {123.456789, 3, 123.457},
      // Not exact halves: the double lies a little below or above the decimal half.
      {0.015, 2, 0.01},
      {0.025, 2, 0.03},
      {0.045, 2, 0.04},
      {0.055, 2, 0.06},
      {2.675, 2, 2.67},
      {9007199254740.5, 0, 9007199254740},
      {4503599627370497, 2, 4503599627370497},
  };
  for (const RoundCase& c : cases)
    EXPECT_EQ(roundto(c.value, c.places), c.rounded) << c.value << " to " << c.places;
}

TEST(Round, SmallNegativeRoundsToAZeroThatShowsAsZero) {
  EXPECT_EQ(numbertotext(roundto(-0.0000001, 6)), "0");
  EXPECT_EQ(numbertotext(roundto(0.00000049, 6)), "0");
  EXPECT_EQ(numbertotext(roundto(0.0000005000001, 6)), "1E-06");
}

TEST(FloatCheck, RaisesOnOverflowAndInvalidButNotOnUnderflow) {
  EXPECT_EQ(checkfloat(DBL_MAX), DBL_MAX);
  EXPECT_EQ(checkfloat(1e-320), 1e-320);
  EXPECT_EQ(checkfloat(DBL_MIN * 1e-20), DBL_MIN * 1e-20);
  for (double bad :
       {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
        std::numeric_limits<double>::quiet_NaN(), DBL_MAX * 2}) {
    try {
      checkfloat(bad);
      ADD_FAILURE() << bad;
    } catch (const RuntimeError& error) {
      EXPECT_EQ(error.kind(), ErrorKind::FloatingPoint);
      EXPECT_FALSE(error.Description().empty());
    }
  }
}

}  // namespace
}  // namespace merovane
