// merovane-convert on Temperature, Weight, Area and Bits and Bytes: one pair, and the whole grid.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "cli/convert.h"

namespace merovane {
namespace {

struct CliRun {
  int code;
  std::string out;
  std::string err;
};

CliRun cli(const std::vector<std::string>& arguments) {
  std::ostringstream out, err;
  const int code = runconvert(arguments, out, err);
  return {code, out.str(), err.str()};
}

TEST(CliCategoriesA, ConvertsOnePair) {
  struct Case {
    std::vector<std::string> arguments;
    const char* out;
  };
  const Case cases[] = {
      {{"temperature", "100", "Celsius", "Fahrenheit"}, "212\n"},
      {{"Weight", "1", "Metric tons(tonnes)", "Grains"}, "15432358.3529414\n"},
      {{"Area", "1", "Square meters", "Square inches"}, "1550.00310001\n"},
      {{"Bits and Bytes", "1", "Gigabits(Gb)", "Petabytes(PT)"}, "1.25E-07\n"},
  };
  for (const Case& c : cases) {
    const CliRun run = cli(c.arguments);
    EXPECT_EQ(run.code, 0) << c.arguments[0];
    EXPECT_EQ(run.out, c.out) << c.arguments[0];
    EXPECT_EQ(run.err, "") << c.arguments[0];
  }
}

TEST(CliCategoriesA, MessageBoxErrorsGoToStandardError) {
  const CliRun run = cli({"Weight", "1/2", "Grams", "Ounces"});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "Type mismatch\n");
}

// The grid of a value of 1: a header of the units, then one line per source unit.
TEST(CliCategoriesA, GridOfEveryCategory) {
  struct Grid {
    const char* category;
    const char* header;
    size_t units;
    const char* row;  // one whole line of the grid
  };
  const Grid grids[] = {
      {"Temperature", "\tCelsius\tFahrenheit\tKelvin\tRankine\tReaumur\n", 5,
       "Celsius\t1\t33.8\t274.15\t493.47\t0.8\n"},
      {"Weight", "\tMicrograms\tMilligrams\tCentigrams\tGrains\tDecigrams\tCarats\tGrams\t", 23,
       "Stone\t6350293180\t6350293.18\t635029.318\t"},
      {"Area", "\tSquare centimeters\tSquare meters\t", 12,
       "Square miles\t25899881103.36\t2589988.110336\t2.58998811\t25899.88110336\t258.99881103"
       "\t4014489600\t27878400\t3097600\t102400\t6400\t640\t1\n"},
      {"Bits and Bytes", "\tBits(b)\tBytes(B)\tKilobits(Kb)\t", 14,
       "Bytes(B)\t8\t1\t0.007813\t0.000977\t8E-06\t1E-06\t0\t0\t0\t0\t0\t0\t0\t0\n"},
  };
  for (const Grid& grid : grids) {
    const CliRun run = cli({"--grid", grid.category, "1"});
    EXPECT_EQ(run.code, 0) << grid.category;
    EXPECT_EQ(run.err, "") << grid.category;
    EXPECT_EQ(static_cast<size_t>(std::count(run.out.begin(), run.out.end(), '\n')), grid.units + 1)
        << grid.category;
    EXPECT_TRUE(run.out.starts_with(grid.header)) << grid.category << '\n' << run.out;
    EXPECT_NE(run.out.find(std::string("\n") + grid.row), std::string::npos)
        << grid.category << '\n'
        << run.out;
    EXPECT_EQ(run.out.find('!'), std::string::npos) << grid.category;
  }
}

}  // namespace
}  // namespace merovane
