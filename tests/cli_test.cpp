// merovane-convert's contract: output, exit codes and name matching.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "categories/categories.h"
#include "cli/convert.h"
#include "core/memoryform.h"

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

int lines(const std::string& text) {
  return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

TEST(Cli, ConvertsOnePair) {
  const CliRun run = cli({"length", "1", "Miles", "Meters"});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out, "1609.344\n");
  EXPECT_EQ(run.err, "");
}

TEST(Cli, MatchesNamesIgnoringCase) {
  EXPECT_EQ(cli({"LENGTH", "1", "light YEARS", "MILES"}).out, "5878499562554.68\n");
}

TEST(Cli, ConversionErrorsGoToStandardError) {
  for (const auto& [value, description] :
       {std::pair{"1/2", "Type mismatch"},
        {"1e999", "Overflow"},
        {"2e282", "Floating-point error: the result is out of range"}}) {
    const CliRun run = cli({"Length", value, "Meters", "Meters"});
    EXPECT_EQ(run.code, 1) << value;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, std::string(description) + "\n");
  }
}

TEST(Cli, AnEmptyValuePrintsNothing) {
  const CliRun run = cli({"Length", "", "Meters", "Feet"});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.out, "");
}

TEST(Cli, UnknownNamesListTheValidOnes) {
  CliRun run = cli({"Lenght", "1", "Meters", "Feet"});
  EXPECT_EQ(run.code, 2);
  EXPECT_NE(run.err.find("Length\n"), std::string::npos);
  EXPECT_NE(run.err.find("Temperature\n"), std::string::npos);

  run = cli({"Length", "1", "Meter", "Feet"});
  EXPECT_EQ(run.code, 2);
  EXPECT_NE(run.err.find("Light years\n"), std::string::npos);

  run = cli({"Length", "1", "Meters", "Furlongs"});
  EXPECT_EQ(run.code, 2);
  EXPECT_EQ(run.out, "");
}

TEST(Cli, GridChartsEveryPair) {
  const CliRun run = cli({"--grid", "Length", "1"});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(lines(run.out), 23);
  EXPECT_EQ(run.out.substr(0, run.out.find('\n')),
            "\tAngstroms\tMicrons\tMillimeters\tCentimeters\tDecimeters\tMeters\tDekameters"
            "\tHectometers\tKilometers\tMils\tPicas\tInches\tLinks\tSpans\tFeet\tCubits\tYards"
            "\tFathoms\tRods\tChains\tMiles\tLight years");
  EXPECT_NE(
      run.out.find("\nMiles\t16093440000000\t1609344000\t1609344\t160934.4\t16093.44\t1609.344\t"),
      std::string::npos);
}

TEST(Cli, GridMarksFailedCells) {
  const CliRun run = cli({"--grid", "Length", "1/2"});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(lines(run.out), 23);
  EXPECT_NE(run.out.find("\nMeters\t!Type mismatch\t"), std::string::npos);
}

TEST(Cli, Lists) {
  CliRun run = cli({"--list"});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out,
            "Area\nBits and Bytes\nDensity\nEnergy\nForce\nLength\nWeight\nPower\nPressure\n"
            "Speed\nTemperature\nVolume\n");
  run = cli({"--list", "length"});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(lines(run.out), 22);
  EXPECT_EQ(run.out.substr(0, 10), "Angstroms\n");
}

TEST(Cli, HelpVersionAndWrongCalls) {
  EXPECT_EQ(cli({"--help"}).code, 0);
  EXPECT_NE(cli({"--help"}).out.find("usage"), std::string::npos);
  EXPECT_EQ(cli({"--version"}).out.substr(0, 17), "merovane-convert ");
  for (const std::vector<std::string>& wrong :
       std::vector<std::vector<std::string>>{{},
                                             {"length"},
                                             {"length", "1", "Meters"},
                                             {"--grid", "length"},
                                             {"--bogus", "a", "b", "c"}}) {
    const CliRun run = cli(wrong);
    EXPECT_EQ(run.code, 2);
    EXPECT_NE(run.err.find("usage"), std::string::npos);
  }
}

}  // namespace
}  // namespace merovane

namespace merovane {
namespace {

TEST(Cli, PutsBackTheWindowItFound) {
  MemoryForm window(unitcounts());
  MemoryMessageBox box;
  setfrmmain(&window);
  setmessagebox(&box);
  cli({"Weight", "1/2", "Grams", "Ounces"});
  EXPECT_EQ(setfrmmain(nullptr), &window);
  EXPECT_EQ(setmessagebox(nullptr), &box);
  EXPECT_TRUE(box.messages().empty());
}

}  // namespace
}  // namespace merovane
