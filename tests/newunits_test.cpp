// The units beyond the window's, through the library as other programs call it, by their
// definitions: the values people expect and reference values from the units' sources (the SI
// Brochure, NIST SP 811 (2008) Appendix B, IEC 80000-13), not figures the code worked out.
#include <gtest/gtest.h>
#include <merovane/merovane.h>

#include <string>

namespace {

using merovane::Mode;
using merovane::Pair;

TEST(NewUnits, ConvertByTheirDefinitions) {
  const struct {
    const char *value, *from, *to, *text;
  } cases[] = {
      // Bytes and bits: SI prefixes are powers of 1000, IEC ones of 1024.
      {"1", "GB", "MB", "1000"},
      {"1", "GiB", "MiB", "1024"},
      {"16", "GiB", "GB", "17.179869184"},
      {"500", "GB", "GiB", "465.661287307739"},
      {"1", "Gigabytes(GB)", "Megabytes(MB)", "1024"},
      {"1", "Mbit", "kB", "125"},
      {"1", "MB/s", "Mbit/s", "8"},
      // Prefixed SI units and the horsepowers.
      {"1", "kN", "lbf", "224.80894309971"},
      {"100", "hp", "kW", "74.569987158227"},
      {"1", "PS", "W", "735.49875"},
      {"1", "CV", "PS", "1"},
      {"1", "kWh", "MJ", "3.6"},
      {"1013", "hPa", "kPa", "101.3"},
      {"1", "mL", "µL", "1000"},
      {"1", "megapascal", "kilopascal", "1000"},
      // Fuel economy counts the reciprocal.
      {"30", "mpg", "L/100km", "7.84048611111111"},
      {"7.84048611111111", "L/100km", "mpg", "30"},
      {"100", "km/L", "L/100km", "1"},
      {"1", "mpg imp", "mpg", "0.832674184628989"},
      // Time and angle.
      {"90", "min", "h", "1.5"},
      {"1", "year", "d", "365.25"},
      {"1", "month", "d", "30.4375"},
      {"180", "deg", "rad", "3.14159265358979"},
      {"1", "turn", "gon", "400"},
      // Reference values of the sources.
      {"1", "au", "m", "149597870700"},
      {"1", "pc", "au", "206264.806247096"},
      {"1", "ozt", "g", "31.1034768"},
      {"1", "imp gal", "L", "4.54609"},
      {"1", "UK pint", "mL", "568.26125"},
      {"1", "gill", "fl oz", "4"},
      {"1", "therm", "J", "105480400"},
      {"1", "EC therm", "J", "105506000"},
      {"1", "eV", "J", "1.602176634E-19"},
      {"1", "at", "Pa", "98066.5"},
      {"1", "mmH2O", "Pa", "9.80665"},
      {"1", "slug", "kg", "14.5939029372064"},
      {"1", "tonf", "lbf", "2000"},
      {"1", "TR", "W", "3516.85284206667"},
      {"1", "gn", "ft/s2", "32.1740485564304"},
      {"1", "Gal", "m/s2", "0.01"},
      {"1", "furlong", "ft", "660"},
      {"1", "league", "mi", "3"},
      {"1", "thou", "in", "0.001"},
      {"1", "hand", "in", "4"},
      {"1", "kHz", "rpm", "60000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.value) + " " + c.from + " " + c.to);
    const auto pair = Pair::find(c.from, c.to);
    ASSERT_TRUE(pair) << pair.error().message();
    const merovane::Result result = pair->convert(c.value, merovane::Options{Mode::Precise});
    EXPECT_TRUE(result.converted()) << result.error();
    EXPECT_EQ(result.text(), c.text);
  }
}

// No reciprocal of zero, and a case slip never reads one prefixed unit as another.
TEST(NewUnits, RefuseWhatNamesNoOneValue) {
  const auto fuel = Pair::find("mpg", "L/100km");
  ASSERT_TRUE(fuel);
  EXPECT_FALSE(fuel->convert("0", merovane::Options{Mode::Precise}).converted());
  EXPECT_FALSE(Pair::find("kN", "m/s"));
  EXPECT_FALSE(Pair::find("KN", "N"));
  EXPECT_FALSE(Pair::find("MM", "m"));
}

}  // namespace
