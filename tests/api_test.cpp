// The conversion API against the engine it stands on: a pair converter and a chart give what a
// click shows for the same text and pair, and a stream gives one line for each line read.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <csignal>
#include <sstream>
#include <string>
#include <vector>

#include "api/chart.h"
#include "api/conversion.h"
#include "categories/categories.h"
#include "cli/convert.h"
#include "cli/fdstream.h"

namespace merovane {
namespace {

std::string describe(const Result& result) {
  switch (result.status()) {
    case Result::Status::Converted:
      return "converted " + std::string(result.text());
    case Result::Status::Nothing:
      return "nothing";
    case Result::Status::Failed:
      return "failed " + std::to_string(static_cast<int>(result.error()->kind())) + " " +
             result.error()->Description();
  }
  return "?";
}

std::string exact(double value) {
  std::ostringstream text;
  text.precision(17);
  text << value;
  return text.str();
}

// Texts that read, fail to read, or sit on either side of where a result grid starts to fail.
std::vector<std::string> texts(const CategoryRecord& category) {
  std::vector<std::string> list = {"",       " ",      "abc", "1/2",    "1e999",         "1",
                                   "-2.5",   "0",      "-0",  "1e-300", "123456789.123", "1e200",
                                   "-1e300", "1.7e308"};
  const GridRange range = gridrange(category);
  for (const double edge : {range.lowest, range.highest})
    for (const double value : {edge, std::nextafter(edge, 0.0), std::nextafter(edge, 2 * edge)})
      list.push_back(exact(value));
  return list;
}

TEST(Api, PairConverterCellAndChartShowWhatAClickShows) {
  for (const CategoryRecord& category : categories()) {
    const int units = static_cast<int>(category.units.size());
    const std::vector<std::string> values = texts(category);
    std::vector<Chart> charts;
    for (const std::string& text : values) charts.emplace_back(category, text);
    for (int from = 0; from < units; ++from)
      for (int to = 0; to < units; ++to) {
        const PairConverter converter(category, from, to);
        for (size_t text = 0; text < values.size(); ++text) {
          const std::string click = describe(convertvalue(category, values[text], from, to));
          const auto where = [&] {
            return std::string(category.caption) + " \"" + values[text] + "\" " +
                   std::to_string(from) + " to " + std::to_string(to);
          };
          EXPECT_EQ(describe(converter.convert(values[text])), click) << where();
          EXPECT_EQ(describe(convertcell(category, values[text], from, to)), click) << where();
          EXPECT_EQ(describe(charts[text].at(from, to)), click) << where();
        }
      }
  }
}

struct StreamRun {
  int code;
  std::string out, err;
};

StreamRun stream(const std::vector<std::string>& arguments, const std::string& input) {
  std::istringstream in(input);
  std::ostringstream out, err;
  const int code = runconvert(arguments, in, out, err);
  return {code, out.str(), err.str()};
}

TEST(Api, StreamsOneLineForEachLine) {
  struct Case {
    std::vector<std::string> arguments;
    const char* input;
    int code;
    const char* out;
    const char* err;
  };
  const Case cases[] = {
      {{"length", "-", "mi", "m"},
       "1\nabc\n\n2\n",
       1,
       "1609.344\n\n\n3218.688\n",
       "merovane-convert: line 2: cannot convert \"abc\": Type mismatch (write numbers like 1.5, "
       "-2 or 3E+8)\n"},
      {{"-", "mi", "m"}, "1\r\n2", 0, "1609.344\n3218.688\n", ""},
      {{"-", "mph", "km/h"}, " \t\n\n1\n", 0, "\n\n1.609344\n", ""},
      {{"Speed", "-", "mph", "km/h"},
       "\x1b[2J\n",
       1,
       "\n",
       "merovane-convert: line 1: cannot convert \"\\x1b[2J\": Type mismatch (write numbers like "
       "1.5, -2 or 3E+8)\n"},
      {{"-", "m", "ly"},
       "1e300\n",
       1,
       "\n",
       "merovane-convert: line 1: cannot convert \"1e300\": Floating-point error: the result is "
       "out of range\n"},
      {{"-", "m", "kg"}, "1\n", 2, "", "no category holds both"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input);
    const StreamRun run = stream(c.arguments, c.input);
    EXPECT_EQ(run.code, c.code);
    EXPECT_EQ(run.out, c.out);
    EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
  }
}

// A write that fails is said, with its reason, and fails the run.
TEST(Api, FailedWritesAreSaid) {
  int broken[2];
  ASSERT_EQ(pipe(broken), 0);
  close(broken[0]);
  const int full = open("/dev/full", O_WRONLY);
  ASSERT_GE(full, 0);
  struct Case {
    int fd;
    const char* reason;
  };
  const Case cases[] = {
      {full, "No space left on device"}, {broken[1], "Broken pipe"}, {1000, "Bad file descriptor"}};
  const auto previous = std::signal(SIGPIPE, SIG_IGN);
  for (const Case& c : cases) {
    FdOutBuf buffer(c.fd);
    std::ostream out(&buffer);
    std::istringstream in;
    std::ostringstream err;
    EXPECT_EQ(runprogram({"1", "mi", "m"}, in, out, err), 1);
    EXPECT_EQ(err.str(),
              std::string("merovane-convert: cannot write the result: ") + c.reason + "\n");
  }
  std::signal(SIGPIPE, previous);
  close(broken[1]);
  close(full);
}

// Positions outside a category's list fail as no such unit, in every function that takes them,
// instead of reading another cell or outside the table (run under AddressSanitizer in CI).
TEST(Api, PositionsOutsideTheListFail) {
  const CategoryRecord& length = category(CategoryId::Length);
  const CategoryRecord& energy = category(CategoryId::Energy);
  const int units = static_cast<int>(length.units.size());
  const std::pair<int, int> outside[] = {{units, 5}, {99, 5}, {5, -1}, {-1, -1}, {0, units}};
  const std::string failed = "failed 3 No such unit in this category";
  for (const auto& [from, to] : outside) {
    SCOPED_TRACE(std::to_string(from) + " " + std::to_string(to));
    for (const Options options : {Options{}, Options{Mode::Precise, 15}}) {
      EXPECT_EQ(describe(convertvalue(length, "1", from, to, options)), failed);
      EXPECT_EQ(describe(convertcell(length, "1", from, to, options)), failed);
      EXPECT_EQ(describe(PairConverter(length, from, to, options).convert("1")), failed);
      EXPECT_EQ(describe(Chart(length, "1", options).at(from, to)), failed);
    }
  }
  // A multiple of another category's unit.
  const Scale foreign{&energy.rows[energy.units.size()], nullptr};
  EXPECT_EQ(describe(convertcell(length, "1", 0, 1, {}, foreign)), failed);
  EXPECT_EQ(describe(PairConverter(length, 0, 1, {Mode::Precise, 15}, foreign).convert("1")),
            failed);
}

}  // namespace
}  // namespace merovane
