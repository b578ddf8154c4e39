// Precise conversions: temperature readings whose exact result is whole come out whole, a
// conversion fails only on its own result, a chart's cells are its pairs' conversions in every
// mode and with any digits, and digits outside 1 to 17 fail every conversion.
#include <gmpxx.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "categories/categories.h"
#include "engine/conversion.h"

namespace merovane {
namespace {

constexpr Options kPrecise{Mode::Precise};

std::string shown(const Result& result) {
  if (result.status() == Result::Status::Converted) return std::string(result.text());
  if (result.status() == Result::Status::Nothing) return "nothing";
  return "!" + result.error();
}

int scale(std::string_view name) {
  const CategoryRecord& temperature = category(CategoryId::Temperature);
  for (size_t at = 0; at < temperature.units.size(); ++at)
    if (temperature.units[at] == name) return static_cast<int>(at);
  throw std::invalid_argument("no such scale");
}

// destination = (p * reading + r) / q between scales, from the scales' textbook relations.
TEST(Precise, WholeTemperaturesComeOutExact) {
  struct Map {
    const char *from, *to;
    long long p, r, q;
  };
  const Map maps[] = {
      {"Celsius", "Fahrenheit", 9, 160, 5},
      {"Fahrenheit", "Celsius", 5, -160, 9},
      {"Celsius", "Kelvin", 20, 5463, 20},
      {"Kelvin", "Celsius", 20, -5463, 20},
      {"Celsius", "Reaumur", 4, 0, 5},
      {"Reaumur", "Fahrenheit", 9, 128, 4},
      {"Kelvin", "Rankine", 9, 0, 5},
      {"Rankine", "Fahrenheit", 100, -45967, 100},
      {"Fahrenheit", "Kelvin", 100, 45967, 180},
  };
  // Each scale's reading of absolute zero, below which a reading is refused.
  const std::map<std::string_view, double> zero = {{"Celsius", -273.15},
                                                   {"Fahrenheit", -459.67},
                                                   {"Kelvin", 0},
                                                   {"Rankine", 0},
                                                   {"Reaumur", -218.52}};
  const CategoryRecord& temperature = category(CategoryId::Temperature);
  for (const Map& map : maps) {
    const PairConverter converter(temperature, scale(map.from), scale(map.to), kPrecise);
    for (long long reading = -1000; reading <= 1000; ++reading) {
      const long long numerator = map.p * reading + map.r;
      if (numerator % map.q != 0) continue;
      EXPECT_EQ(
          shown(converter.convert(std::to_string(reading))),
          reading < zero.at(map.from) ? "!Below absolute zero" : std::to_string(numerator / map.q))
          << reading << ' ' << map.from << " to " << map.to;
    }
  }
  EXPECT_EQ(shown(convert(temperature, "0", scale("Celsius"), scale("Kelvin"), kPrecise)),
            "273.15");
}

// A reading is not refused because an intermediate product would overflow; only a result that
// does is.
TEST(Precise, FailsOnlyOnItsOwnResult) {
  struct Case {
    CategoryId category;
    const char *value, *from, *to, *shows;
  };
  const Case cases[] = {
      {CategoryId::Temperature, "1.7e308", "Fahrenheit", "Celsius", "9.44444444444444E+307"},
      {CategoryId::Temperature, "1.7e308", "Celsius", "Fahrenheit",
       "!Floating-point error: the result is out of range"},
      {CategoryId::Length, "1e300", "Miles", "Meters", "1.609344E+303"},
      {CategoryId::Length, "1e300", "Light years", "Meters",
       "!Floating-point error: the result is out of range"},
      {CategoryId::Length, "1/2", "Meters", "Meters", "!Type mismatch"},
      {CategoryId::Length, "1e999", "Meters", "Meters", "!Overflow"},
  };
  for (const Case& c : cases) {
    const CategoryRecord& in = category(c.category);
    int from = -1, to = -1;
    for (size_t at = 0; at < in.units.size(); ++at) {
      if (in.units[at] == c.from) from = static_cast<int>(at);
      if (in.units[at] == c.to) to = static_cast<int>(at);
    }
    EXPECT_EQ(shown(convert(in, c.value, from, to, kPrecise)), c.shows)
        << c.value << ' ' << c.from << " to " << c.to;
  }
}

TEST(Precise, AChartsCellsAreItsPairs) {
  const std::vector<std::string> values = {"", "x", "1", "-2.5", "0.1", "1e-300", "3e305"};
  for (const Options options : {kPrecise, Options{Mode::Tables, 4}, Options{Mode::Precise, 17}})
    for (const CategoryRecord& category : categories()) {
      const int units = static_cast<int>(category.units.size());
      for (size_t at = 0; at < values.size(); ++at) {
        const std::vector<Result> cells = chart(category, values[at], options);
        for (int from = 0; from < units; ++from)
          for (int to = 0; to < units; ++to) {
            const std::string cell = shown(cells[static_cast<size_t>(from * units + to)]);
            SCOPED_TRACE(std::string(category.caption) + " \"" + values[at] + "\" " +
                         std::to_string(from) + " to " + std::to_string(to));
            EXPECT_EQ(shown(convert(category, values[at], from, to, options)), cell);
            if (from == to && options.digits() == 17 && at == 4) {
              EXPECT_EQ(cell, "0.10000000000000001");  // the value unchanged
            }
          }
      }
    }
}

// A pair between a reciprocal row and a direct one (litres per 100 km and miles per gallon)
// divides its exact constant 1 / (both sizes), rounded once, by the value; zero converts to no
// number.
TEST(Precise, AReciprocalPairDividesItsConstantByTheValue) {
  int pairs = 0;
  for (const CategoryRecord& category : categories())
    for (const UnitRow& from : category.rows)
      for (const UnitRow& to : category.rows) {
        if (from.reciprocal == to.reciprocal) continue;
        SCOPED_TRACE(std::string(from.shown()) + " to " + std::string(to.shown()));
        const mpq_class constant =
            1 / (mpq_class(std::string(from.size), 10) * mpq_class(std::string(to.size), 10));
        // The double nearest the constant: its truncation or the next one up.
        const double low = constant.get_d(), high = std::nextafter(low, INFINITY);
        const double nearest =
            abs(mpq_class(high) - constant) < abs(constant - mpq_class(low)) ? high : low;
        char text[32];
        std::snprintf(text, sizeof text, "%.17G", nearest / 4);
        const auto row = [&](const UnitRow& unit) {
          return static_cast<int>(&unit - category.rows.data());
        };
        EXPECT_EQ(shown(convert(category, "4", row(from), row(to), {Mode::Precise, 17})), text);
        EXPECT_EQ(shown(convert(category, "0", row(from), row(to), kPrecise)),
                  "!Floating-point error: the result is out of range");
        ++pairs;
      }
  EXPECT_GT(pairs, 0);
}

TEST(Precise, DigitsOutsideOneToSeventeenFailEveryConversion) {
  const CategoryRecord& length = category(CategoryId::Length);
  for (const int digits : {0, 18, -1})
    for (const Mode mode : {Mode::Tables, Mode::Precise}) {
      const Options options{mode, digits};
      const Result result = convert(length, "1", 0, 1, options);
      EXPECT_EQ(shown(result), "!A result shows 1 to 17 significant digits");
      EXPECT_EQ(result.message(), "a result shows 1 to 17 significant digits");
      EXPECT_EQ(shown(chart(length, "1", options).back()), shown(result));
    }
}

}  // namespace
}  // namespace merovane
