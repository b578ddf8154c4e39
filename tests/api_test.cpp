// The conversion path against the window's frame on it: a pair converter and a chart give what a
// click shows for the same text and pair, and a stream gives one line for each line read.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <csignal>
#include <sstream>
#include <string>
#include <vector>

#include "categories/categories.h"
#include "cli/convert.h"
#include "cli/fdstream.h"
#include "core/memorycontrols.h"
#include "engine/conversion.h"
#include "engine/frame.h"

namespace merovane {
namespace {

std::string describe(const Result& result) {
  switch (result.status()) {
    case Result::Status::Converted:
      return "converted " + std::string(result.text());
    case Result::Status::Nothing:
      return "nothing";
    case Result::Status::Failed:
      return "failed " + result.error() + ": " + result.message();
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
  const GridRange range = category.grid;
  for (const double edge : {range.lowest, range.highest})
    for (const double value : {edge, std::nextafter(edge, 0.0), std::nextafter(edge, 2 * edge)})
      list.push_back(exact(value));
  return list;
}

// What the window's destination box shows after a click, or "failed" with the message shown,
// or "nothing".
class Click : public Reporter {
 public:
  std::string click(const CategoryRecord& category, const std::string& text, int from, int to) {
    const int units = static_cast<int>(category.units.size());
    MemoryListBox source(units), destination(units);
    MemoryTextBox sourcebox, destinationbox;
    sourcebox.SetText(text);
    source.select(from);
    destination.select(to);
    failure_.clear();
    convert(category, source, destination, sourcebox, destinationbox, *this);
    if (!failure_.empty()) return "failed " + failure_;
    return destinationbox.writes() == 1 ? "converted " + destinationbox.Text() : "nothing";
  }
  void failed(const std::string& description) override { failure_ = description; }

 private:
  std::string failure_;
};

// The failure's description alone, as a click shows it.
std::string shown(const Result& result) {
  return result.status() == Result::Status::Failed ? "failed " + result.error() : describe(result);
}

TEST(Api, PairConverterAndChartShowWhatAClickShows) {
  Click window;
  for (const CategoryRecord& category : categories()) {
    const int units = static_cast<int>(category.units.size());
    const std::vector<std::string> values = texts(category);
    std::vector<std::vector<Result>> charts;
    for (const std::string& text : values) charts.push_back(chart(category, text, {Mode::Tables}));
    for (int from = 0; from < units; ++from)
      for (int to = 0; to < units; ++to) {
        const PairConverter converter(category, from, to, {Mode::Tables});
        for (size_t text = 0; text < values.size(); ++text) {
          const std::string click = window.click(category, values[text], from, to);
          const auto where = [&] {
            return std::string(category.caption) + " \"" + values[text] + "\" " +
                   std::to_string(from) + " to " + std::to_string(to);
          };
          EXPECT_EQ(shown(converter.convert(values[text])), click) << where();
          EXPECT_EQ(shown(charts[text][static_cast<size_t>(from * units + to)]), click) << where();
        }
      }
  }
}

struct StreamRun {
  int code;
  std::string out, err;
};

// By the tables, as the window converts.
StreamRun stream(std::vector<std::string> arguments, const std::string& input) {
  arguments.insert(arguments.begin(), "--tables");
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

// Rows outside a category fail as no such unit instead of reading another cell or outside the
// table (run under AddressSanitizer in CI); no unit at all converts nothing.
TEST(Api, RowsOutsideTheCategoryFail) {
  const CategoryRecord& length = category(CategoryId::Length);
  const int rows = static_cast<int>(length.rows.size());
  const std::pair<int, int> outside[] = {{rows, 5}, {99, 5}, {5, -2}, {-2, -2}, {0, rows}};
  const std::string failed = "failed No such unit in this category: no such unit in this category";
  for (const Options options : {Options{Mode::Tables}, Options{Mode::Precise}}) {
    for (const auto& [from, to] : outside) {
      SCOPED_TRACE(std::to_string(from) + " " + std::to_string(to));
      EXPECT_EQ(describe(PairConverter(length, from, to, options).convert("1")), failed);
    }
    EXPECT_EQ(describe(PairConverter(length, kNoUnit, 3, options).convert("1")), "nothing");
  }
}

}  // namespace
}  // namespace merovane
