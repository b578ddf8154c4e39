// merovane-convert's arguments read into a request, and every way a call can be wrong.
#include "cli/request.h"

#include <gtest/gtest.h>

#include "cli/words.h"

namespace merovane {
namespace {

using Words = std::vector<std::string>;

Request request(Action action, Conversion conversion = {}) {
  Request request;
  request.action = action;
  request.conversion = std::move(conversion);
  return request;
}

TEST(Request, EveryFormOfCall) {
  Request precise = request(Action::Convert, {std::nullopt, "12", "in", "ft"});
  precise.mode = Mode::Precise;
  Request digits = request(Action::ConvertLines, {"Length", "-", "mi", "km"});
  digits.digits = 3;
  Request search = request(Action::Search);
  search.word = "mile";
  Request preciselines = request(Action::ConvertRequests);
  preciselines.mode = Mode::Precise;
  preciselines.digits = 17;
  struct Case {
    Words arguments;
    Request expected;
  };
  const Case cases[] = {
      {{"1", "mi", "km"}, request(Action::Convert, {std::nullopt, "1", "mi", "km"})},
      {{"length", "1", "Miles", "Meters"},
       request(Action::Convert, {"length", "1", "Miles", "Meters"})},
      {{"-40", "C", "F"}, request(Action::Convert, {std::nullopt, "-40", "C", "F"})},
      {{"--", "-40", "C", "F"}, request(Action::Convert, {std::nullopt, "-40", "C", "F"})},
      {{"--", "--list", "C", "F"}, request(Action::Convert, {std::nullopt, "--list", "C", "F"})},
      {{"-.5", "C", "F"}, request(Action::Convert, {std::nullopt, "-.5", "C", "F"})},
      {{"Lenght", "1", "m", "ft"}, request(Action::Convert, {"Lenght", "1", "m", "ft"})},
      {{"-", "mi", "km"}, request(Action::ConvertLines, {std::nullopt, "-", "mi", "km"})},
      {{"length", "-", "mi", "km"}, request(Action::ConvertLines, {"length", "-", "mi", "km"})},
      {{"-"}, request(Action::ConvertRequests)},
      {{"Speed", "-"}, request(Action::ConvertRequests, {"Speed", "", "", ""})},
      {{"--grid", "Length", "1"}, request(Action::Grid, {"Length", "1", "", ""})},
      {{"Length", "--grid", "-1"}, request(Action::Grid, {"Length", "-1", "", ""})},
      {{"--list"}, request(Action::ListCategories)},
      {{"--list", "Volume"}, request(Action::ListUnits, {"Volume", "", "", ""})},
      {{"-h"}, request(Action::Help)},
      {{"--help"}, request(Action::Help)},
      {{"1", "--help", "extra", "--bogus"}, request(Action::Help)},
      {{"-v"}, request(Action::Version)},
      {{"--version"}, request(Action::Version)},
      {{"-p", "12", "in", "ft"}, precise},
      {{"12", "in", "ft", "--precise"}, precise},
      {{"--digits", "3", "Length", "-", "mi", "km"}, digits},
      {{"Length", "-", "--digits=3", "mi", "km"}, digits},
      {{"--search", "mile"}, search},
      {{"--search=mile"}, search},
      {{"-p", "-", "--digits", "17"}, preciselines},
      // Long options by a unique beginning, letters combined.
      {{"--prec", "12", "in", "ft"}, precise},
      {{"--dig", "3", "Length", "-", "mi", "km"}, digits},
      {{"Length", "-", "--d=3", "mi", "km"}, digits},
      {{"--se=mile"}, search},
      {{"-ph"}, request(Action::Help)},
      {{"-pv", "1", "m", "ft"}, request(Action::Version)},
      {{"-pp", "-", "--dig=17"}, preciselines},
  };
  for (const Case& c : cases) {
    const auto parsed = parse(c.arguments);
    ASSERT_TRUE(std::holds_alternative<Request>(parsed))
        << testing::PrintToString(c.arguments) << ": " << std::get<UsageError>(parsed).message;
    EXPECT_EQ(std::get<Request>(parsed), c.expected) << testing::PrintToString(c.arguments);
  }
}

TEST(Request, EveryUsageError) {
  struct Case {
    Words arguments;
    const char* message;
  };
  const Case cases[] = {
      {{}, "missing the value to convert"},
      {{"length"}, "missing the value to convert"},
      {{"1"}, "missing the unit to convert from"},
      {{"length", "1"}, "missing the unit to convert from"},
      {{"1", "km"}, "missing the unit to convert to"},
      {{"-", "km"}, "missing the unit to convert to"},
      {{"length", "1", "Meters"}, "missing the unit to convert to"},
      {{"1", "mi", "km", "extra"}, "unexpected argument \"extra\""},
      {{"length", "1", "mi", "km", "extra"}, "unexpected argument \"extra\""},
      {{"--list", "Length", "Volume"}, "unexpected argument \"Volume\""},
      {{"--search", "mile", "x"}, "unexpected argument \"x\""},
      {{"--grid"}, "missing the category of --grid"},
      {{"--grid", "length"}, "missing the value of --grid"},
      {{"--grid", "length", "1", "2"}, "unexpected argument \"2\""},
      {{"--list", "--grid", "length", "1"},
       "--grid cannot be combined with another of --list, --grid and --search"},
      {{"--bogus", "a", "b", "c"}, "unknown option \"--bogus\""},
      {{"-x", "1", "m", "ft"}, "unknown option \"-x\""},
      {{"--list=Length"}, "unknown option \"--list=Length\""},
      {{"-inf", "C", "F"}, "unknown option \"-inf\""},
      {{"-px", "1", "m", "ft"}, "unknown option \"-px\""},
      {{"--prec=1", "1", "m", "ft"}, "unknown option \"--prec=1\""},
      {{"--lists"}, "unknown option \"--lists\""},
      {{"--=3", "1", "m", "ft"}, "unknown option \"--=3\""},
      {{"1", "m", "ft", "--digits"}, "--digits needs a number from 1 to 17"},
      {{"--digits", "0", "1", "m", "ft"}, "--digits takes a whole number from 1 to 17, not \"0\""},
      {{"--digits", "18", "1", "m", "ft"},
       "--digits takes a whole number from 1 to 17, not \"18\""},
      {{"--digits=3x", "1", "m", "ft"}, "--digits takes a whole number from 1 to 17, not \"3x\""},
      {{"--digits", "", "1", "m", "ft"}, "--digits takes a whole number from 1 to 17, not \"\""},
      {{"--search"}, "--search needs a word to look for"},
      {{"--search="}, "--search needs a word to look for"},
  };
  for (const Case& c : cases) {
    const auto parsed = parse(c.arguments);
    ASSERT_TRUE(std::holds_alternative<UsageError>(parsed)) << testing::PrintToString(c.arguments);
    EXPECT_EQ(std::get<UsageError>(parsed).message, c.message)
        << testing::PrintToString(c.arguments);
  }
}

// A line of standard input is split as a shell splits a command.
TEST(Request, WordsOfALine) {
  struct Case {
    const char* line;
    Words words;
  };
  const Case cases[] = {
      {"1 mi km", {"1", "mi", "km"}},
      {"  2\t\"Light years\"   mi ", {"2", "Light years", "mi"}},
      {"1 'fl oz' Light\\ years", {"1", "fl oz", "Light years"}},
      {"\"a\\\"b\\c\" 'x\\y' \"\"", {"a\"b\\c", "x\\y", ""}},
      {"Light\" \"'years'", {"Light years"}},
      {"", {}},
  };
  for (const Case& c : cases) {
    const auto words = splitwords(c.line);
    ASSERT_TRUE(std::holds_alternative<Words>(words)) << c.line;
    EXPECT_EQ(std::get<Words>(words), c.words) << c.line;
  }
  for (const char* open : {"1 \"Light years mi", "1 'fl oz km"}) {
    const auto words = splitwords(open);
    ASSERT_TRUE(std::holds_alternative<UsageError>(words)) << open;
    EXPECT_EQ(std::get<UsageError>(words).message,
              std::string("the quote ") +
                  (std::string_view(open).find('"') != std::string::npos ? '"' : '\'') +
                  " is not closed");
  }
}

}  // namespace
}  // namespace merovane
