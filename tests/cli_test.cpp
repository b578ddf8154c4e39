// merovane-convert's contract: output, exit codes, name matching, the grid of each category,
// standard input and hostile input.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <sstream>
#include <string>
#include <vector>

#include "api/linereader.h"
#include "api/quote.h"
#include "categories/categories.h"
#include "cli/convert.h"
#include "cli/fdstream.h"
#include "core/about.h"
#include "forms/registry.h"
#include "tests/support/memoryform.h"

namespace merovane {
namespace {

struct CliRun {
  int code;
  std::string out;
  std::string err;
};

CliRun run(const std::vector<std::string>& arguments, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out, err;
  const int code = runconvert(arguments, in, out, err);
  return {code, out.str(), err.str()};
}

// merovane-convert as a script that wants the window's figures calls it: with --tables, unless
// the call asks for the definitions (-p).
CliRun cli(std::vector<std::string> arguments, const std::string& input = "") {
  if (std::find(arguments.begin(), arguments.end(), "-p") == arguments.end())
    arguments.insert(arguments.begin(), "--tables");
  return run(arguments, input);
}

constexpr const char* kNumberHint = " (write numbers like 1.5, -2 or 3E+8)";

int lines(const std::string& text) {
  return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

TEST(Cli, ConvertsOnePair) {
  struct Case {
    std::vector<std::string> arguments;
    const char* out;
  };
  const Case cases[] = {
      {{"length", "1", "Miles", "Meters"}, "1609.344\n"},
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

TEST(Cli, MatchesNamesIgnoringCase) {
  EXPECT_EQ(cli({"LENGTH", "1", "light YEARS", "MILES"}).out, "5878499562554.68\n");
}

// Whether the window says nothing (Length) or shows a message box (Weight), the command line
// prints the error.
TEST(Cli, ConversionErrorsGoToStandardError) {
  struct Case {
    std::vector<std::string> arguments;
    const char* description;
  };
  const std::string mismatch = std::string("Type mismatch") + kNumberHint;
  const Case cases[] = {
      {{"Length", "1..2", "Meters", "Meters"}, mismatch.c_str()},
      {{"Length", "1e999", "Meters", "Meters"}, "Overflow"},
      {{"Length", "2e282", "Meters", "Meters"}, "Floating-point error: the result is out of range"},
      {{"Weight", "1..2", "Grams", "Ounces"}, mismatch.c_str()},
      {{"1,5", "mi", "km"}, mismatch.c_str()},
  };
  for (const Case& c : cases) {
    const CliRun run = cli(c.arguments);
    const std::string& value = c.arguments[c.arguments.size() - 3];
    EXPECT_EQ(run.code, 1) << value;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              "merovane-convert: cannot convert \"" + value + "\": " + c.description + "\n");
  }
}

TEST(Cli, AnEmptyValuePrintsNothing) {
  const CliRun run = cli({"Length", "", "Meters", "Feet"});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "merovane-convert: the value is empty: nothing to convert\n");
}

TEST(Cli, UnknownNamesListTheValidOnes) {
  CliRun run = cli({"Lenght", "1", "Meters", "Feet"});
  EXPECT_EQ(run.code, 2);
  EXPECT_NE(run.err.find("Length\n"), std::string::npos);
  EXPECT_NE(run.err.find("Temperature\n"), std::string::npos);

  run = cli({"Length", "1", "Qqqqqq", "Feet"});
  EXPECT_EQ(run.code, 2);
  EXPECT_NE(run.err.find("Light years\n"), std::string::npos);

  run = cli({"Length", "1", "Meters", "Parsnips"});
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

// The grid of a value of 1 in four more categories: a header of the units, then one line per
// source unit.
TEST(Cli, GridOfEachCategory) {
  struct Grid {
    const char* category;
    const char* header;
    int units;
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
    SCOPED_TRACE(grid.category);
    const CliRun run = cli({"--grid", grid.category, "1"});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(lines(run.out), grid.units + 1);
    EXPECT_TRUE(run.out.starts_with(grid.header)) << run.out;
    EXPECT_NE(run.out.find(std::string("\n") + grid.row), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find('!'), std::string::npos);
  }
}

TEST(Cli, GridMarksFailedCells) {
  const CliRun run = cli({"--grid", "Length", "1/2"});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(lines(run.out), 23);
  EXPECT_NE(run.out.find("\nMeters\t!Type mismatch\t"), std::string::npos);
}

// By the definitions and with chosen digits; without the options the tables' figures stay.
TEST(Cli, PreciseAndDigits) {
  struct Case {
    std::vector<std::string> arguments;
    const char* out;
  };
  const Case cases[] = {
      {{"-p", "12", "in", "ft"}, "1\n"},
      {{"-p", "36", "in", "yd"}, "1\n"},
      {{"-p", "1024", "MiB", "GiB"}, "1\n"},
      {{"-p", "100", "F", "C"}, "37.7777777777778\n"},
      {{"-p", "-40", "C", "F"}, "-40\n"},
      {{"-p", "1", "B", "GiB"}, "9.31322574615479E-10\n"},
      {{"-p", "1", "ly", "km"}, "9460730472580.8\n"},
      {{"-p", "1", "mm", "mi"}, "6.21371192237334E-07\n"},
      {{"--digits", "3", "1", "mi", "km"}, "1.61\n"},
      {{"--digits", "3", "1234.5", "m", "m"}, "1.23E+03\n"},
      {{"-p", "--digits", "17", "1", "in", "m"}, "0.025399999999999999\n"},
      {{"Length", "1", "Miles", "Meters", "--precise", "--digits=4"}, "1609\n"},
      {{"12", "in", "ft"}, "0.99999996\n"},
  };
  for (const Case& c : cases) {
    const CliRun run = cli(c.arguments);
    EXPECT_EQ(run.out, c.out) << c.arguments[1] << ' ' << c.arguments[2];
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.err, "");
  }
  for (const char* wrong : {"0", "18", "x", "3.5", ""}) {
    const CliRun run = cli({"--digits", wrong, "1", "m", "ft"});
    EXPECT_EQ(run.code, 2) << wrong;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(lines(run.err), 2) << run.err;  // the reason, then where to read more
  }
  EXPECT_EQ(cli({"1", "m", "ft", "--digits"}).code, 2);
}

// Without options a call converts by the definitions; --tables gives the window's figures, -p
// changes nothing, and a temperature below absolute zero is refused by the definitions alone.
TEST(Cli, TheDefinitionsByDefault) {
  struct Case {
    std::vector<std::string> arguments;
    int code;
    const char* out;
    const char* err;
  };
  const Case cases[] = {
      {{"12", "in", "ft"}, 0, "1\n", ""},
      {{"-p", "12", "in", "ft"}, 0, "1\n", ""},
      {{"--tables", "12", "in", "ft"}, 0, "0.99999996\n", ""},
      {{"--tables", "-p", "12", "in", "ft"}, 0, "0.99999996\n", ""},
      {{"32", "F", "C"}, 0, "0\n", ""},
      {{"--tables", "32", "F", "C"}, 0, "1.40000000925511E-07\n", ""},
      {{"98.6", "F", "C"}, 0, "37\n", ""},
      {{"-300", "C", "K"},
       1,
       "",
       "merovane-convert: cannot convert \"-300\": Below absolute zero\n"},
      {{"--", "-459.67", "F", "K"}, 0, "0\n", ""},
      {{"--tables", "-300", "C", "K"}, 0, "-26.85\n", ""},
  };
  for (const Case& c : cases) {
    const CliRun call = run(c.arguments);
    EXPECT_EQ(call.code, c.code) << c.arguments[0];
    EXPECT_EQ(call.out, c.out) << c.arguments[0];
    EXPECT_EQ(call.err, c.err) << c.arguments[0];
  }
}

// The tables' Length grid fails whole when one cell overflows; by the definitions only the cells
// that overflow fail.
TEST(Cli, PreciseGridCellsStandAlone) {
  EXPECT_NE(cli({"--grid", "Length", "1e300"}).out.find("\nMeters\t!Floating-point error"),
            std::string::npos);
  const CliRun run = cli({"-p", "--grid", "Length", "1e300"});
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.out.find("\nMeters\t!Floating-point error: the result is out of range\t1E+306\t"
                         "1E+303\t1E+302\t1E+301\t1E+300\t1E+299\t"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("\nLight years\t!Floating-point error: the result is out of range\t"),
            std::string::npos);
}

// The window's categories and units with --tables; every one by default, the window's first.
TEST(Cli, Lists) {
  constexpr const char* kWindow =
      "Area\nBits and Bytes\nDensity\nEnergy\nForce\nLength\nWeight\nPower\nPressure\nSpeed\n"
      "Temperature\nVolume\n";
  CliRun call = cli({"--list"});
  EXPECT_EQ(call.code, 0);
  EXPECT_EQ(call.out, kWindow);
  EXPECT_EQ(run({"--list"}).out, std::string(kWindow) +
                                     "Time\nAngle\nFuel economy\nData rate\nFrequency\n"
                                     "Acceleration\n");
  call = cli({"--list", "length"});
  EXPECT_EQ(call.code, 0);
  EXPECT_EQ(lines(call.out), 22);
  EXPECT_EQ(call.out.substr(0, 10), "Angstroms\t");
  call = run({"--list", "length"});
  EXPECT_EQ(call.code, 0);
  EXPECT_GT(lines(call.out), 22);
  EXPECT_TRUE(call.out.starts_with("Angstroms\tÅ, Angstrom\t0.0000000001 m\nMicrons\t"));
  EXPECT_NE(call.out.find("\nfur\tfurlong, furlongs\t660 ft = 201.168 m\n"), std::string::npos);
  EXPECT_EQ(cli({"--list", "Time"}).code, 2);
}

TEST(Cli, HelpVersionAndWrongCalls) {
  EXPECT_EQ(cli({"--help"}).code, 0);
  EXPECT_TRUE(cli({"--help"}).out.starts_with("usage: "));
  // The GNU form: the program, the package in brackets and the release debian/changelog gives
  // (the build refuses a project version that differs), then the copyright and the licence.
  for (const char* version : {"--version", "-v"})
    EXPECT_EQ(cli({version}).out,
              std::string("merovane-convert (Merovane) ") + kVersion + '\n' + kCopyrightAndLicence);
  // Each wrong call in two lines: what is wrong, and where to read how to call the program.
  for (const auto& [arguments, message] :
       std::vector<std::pair<std::vector<std::string>, std::string>>{
           {{"1", "km"}, "missing the unit to convert to"},
           {{"1", "mi", "km", "extra"}, "unexpected argument \"extra\""},
           {{"--digits", "18", "1", "m", "m"},
            "--digits takes a whole number from 1 to 17, not \"18\""},
       }) {
    const CliRun run = cli(arguments);
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "merovane-convert: " + message + "\nTry 'merovane-convert --help'.\n");
  }
  EXPECT_EQ(cli({"--", "-40", "C", "F"}).out, "-40\n");
}

// Whole requests, a line each: one line out for each, failures reported with their numbers.
TEST(Cli, ConvertsRequestsFromStandardInput) {
  const CliRun run =
      cli({"-"}, "1 mi km\n2 \"Light years\" mi\nx\nLength 1 km mi\n\n100 celcius F\n");
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.out, "1.609344\n11756999125109.4\n\n0.62137119\n\n\n");
  EXPECT_EQ(run.err,
            "merovane-convert: line 3: missing the unit to convert from\n"
            "merovane-convert: line 6: unknown unit \"celcius\"; did you mean Celsius?\n");

  const CliRun incategory =
      cli({"temperature", "-"}, "100 c f\n-40 C F\nLength 1 mi km\n1/2 C F\n");
  EXPECT_EQ(incategory.code, 1);
  EXPECT_EQ(incategory.out, "212\n-40\n1.609344\n\n");
  EXPECT_EQ(incategory.err,
            std::string("merovane-convert: line 4: cannot convert \"1/2\": Type mismatch") +
                kNumberHint + "\n");
  EXPECT_EQ(cli({"-"}, "1 mi km\r\n").out, "1.609344\n");
}

// Requests as people write them, on the command line and, line for line the same, on standard
// input; the old forms convert as before.
TEST(Cli, ReadsRequestsAsPeopleWriteThem) {
  struct Case {
    std::vector<std::string> arguments;
    const char* line;  // the same request on standard input
    int code;
    const char* out;
    const char* err;
  };
  const Case cases[] = {
      {{"-p", "5", "ft", "3", "in", "cm"}, "5 ft 3 in cm", 0, "160.02\n", ""},
      {{"-p", "5 ft 3 in", "cm"}, "\"5 ft 3 in\" cm", 0, "160.02\n", ""},
      {{"-p", "5'3\"", "cm"}, "5'3\" cm", 0, "160.02\n", ""},
      {{"-p", "1", "1/2", "cup", "ml"}, "1 1/2 cup ml", 0, "354.88235475\n", ""},
      {{"-p", "1.75", "m", "ft in"}, "1.75 m 'ft in'", 0, "5 ft 8.89763779527559 in\n", ""},
      {{"5ft", "cm"}, "5ft cm", 0, "152.4\n", ""},
      {{"Length", "5", "ft", "to", "cm"}, "Length 5 ft to cm", 0, "152.4\n", ""},
      {{"1", "mi", "km"}, "1 mi km", 0, "1.609344\n", ""},
      {{"1/2", "mi", "km"},
       "1/2 mi km",
       1,
       "",
       "the window's tables convert one value of one unit, not \"1/2 mi\": leave out --tables to "
       "convert it by the units' definitions"},
      {{"5 ft 3 in"},
       "\"5 ft 3 in\"",
       2,
       "",
       "the quantity was read as \"5 ft 3 in\" and no destination came after it: expected the unit "
       "to convert to"},
      {{"1", "mi", "km", "extra"}, "1 mi km extra", 2, "", "unexpected argument \"extra\""},
      {{"1", "km"}, "1 km", 2, "", "missing the unit to convert to"},
  };
  for (const Case& c : cases) {
    const CliRun run = cli(c.arguments);
    EXPECT_EQ(run.code, c.code) << c.line;
    EXPECT_EQ(run.out, c.out) << c.line;
    const std::string message = *c.err == 0 ? "" : std::string("merovane-convert: ") + c.err;
    EXPECT_EQ(run.err.substr(0, run.err.find('\n')), message) << c.line;
    const bool precise = c.arguments.front() == "-p";
    const CliRun lines =
        cli(precise ? std::vector<std::string>{"-p", "-"} : std::vector<std::string>{"-"},
            std::string(c.line) + "\n");
    EXPECT_EQ(lines.code, c.code == 0 ? 0 : 1) << c.line;
    EXPECT_EQ(lines.out, *c.out == 0 ? "\n" : c.out) << c.line;
    EXPECT_EQ(lines.err,
              *c.err == 0 ? "" : std::string("merovane-convert: line 1: ") + c.err + "\n")
        << c.line;
  }
}

// A line longer than the limit is reported and skipped; the lines after it convert, one of
// exactly the limit too.
TEST(Cli, SkipsLinesTooLong) {
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{{"-", "mi", "km"}, {"-"}}) {
    const std::string request = arguments.size() == 1 ? "1 mi km" : "1";
    const std::string longest = std::string(kLongestLine - request.size(), ' ') + request;
    const CliRun run =
        cli(arguments, std::string(kLongestLine + 1, '7') + "\n" + request + "\n" + longest + "\n");
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out, "\n1.609344\n1.609344\n");
    EXPECT_EQ(run.err, "merovane-convert: line 1: longer than 65536 bytes: skipped\n");
    // A Windows line end is not part of the line: the longest line converts with it too.
    EXPECT_EQ(cli(arguments, longest + "\r\n" + longest + "\r\n").out, "1.609344\n1.609344\n");
  }
}

// An unknown name is refused at a cost bounded by its length: a hundred of the longest lines
// are answered at once, without suggestions.
TEST(Cli, RefusesLongUnknownNamesQuickly) {
  const std::string line = "1 " + std::string(kLongestLine - 5, 'q') + " km\n";
  std::string input;
  for (int at = 0; at < 100; ++at) input += line;
  const auto started = std::chrono::steady_clock::now();
  const CliRun run = cli({"-"}, input);
  EXPECT_LT(std::chrono::steady_clock::now() - started,
            std::chrono::seconds(20));  // 56 s before the bound
  EXPECT_EQ(lines(run.err), 100);
  EXPECT_EQ(run.err.find("did you mean"), std::string::npos);
}

// A failed read ends the input as a failure, named in one line.
TEST(Cli, ReadErrorsFail) {
  const int directory = ::open("/", O_RDONLY | O_DIRECTORY);
  ASSERT_GE(directory, 0);
  FdInBuf buffer(directory, nullptr);
  std::istream in(&buffer);
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{{"-", "mi", "km"}, {"-"}}) {
    std::ostringstream out, err;
    EXPECT_EQ(runconvert(arguments, in, out, err), 1);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "merovane-convert: cannot read standard input: Is a directory\n");
  }
  ::close(directory);
}

// Echoed text is cut, and what would reorder or rewrite the terminal is escaped.
TEST(Cli, EchoesInputSafely) {
  for (const auto& [typed, shown] : std::vector<std::pair<std::string, std::string>>{
           {"a\u202eb\u2066c\u200fd\u061ce", "\"a\\u202eb\\u2066c\\u200fd\\u061ce\""},
           // The format characters that show nothing: m and a zero-width space is not m.
           {"m\u200b\ufeff\u00ad\u200d\u2060", "\"m\\u200b\\ufeff\\u00ad\\u200d\\u2060\""},
           {"m\U000e0041", "\"m\\U000e0041\""},
           {"\x1b[2J\"\\\n", "\"\\x1b[2J\\\"\\\\\\n\""},
           {"é\xff", "\"é\\xff\""},
           {std::string(60, 'x'), "\"" + std::string(60, 'x') + "\""},
           {std::string(59, 'x') + "éé", "\"" + std::string(59, 'x') + "é\u2026\""},
       })
    EXPECT_EQ(merovane::quoted(typed), shown) << typed;
}

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
