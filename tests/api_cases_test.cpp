// The conversions of tests/api/cases.tsv, which the C and Python interfaces give alike, through
// the C++ one; and what a unit, a number and old programs' options give.
#include <gtest/gtest.h>
#include <merovane/merovane.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

using merovane::Error;
using merovane::Mode;
using merovane::Pair;
using merovane::Query;
using merovane::Result;

struct Case {
  std::string kind, value, from, to, mode, expected;
};

std::vector<Case> cases() {
  std::ifstream file(MEROVANE_API_CASES);
  std::vector<Case> read;
  for (std::string line; std::getline(file, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    Case c;
    std::getline(fields, c.kind, '\t');
    std::getline(fields, c.value, '\t');
    std::getline(fields, c.from, '\t');
    std::getline(fields, c.to, '\t');
    std::getline(fields, c.mode, '\t');
    std::getline(fields, c.expected, '\t');
    read.push_back(c);
  }
  return read;
}

// The C interface's status names, as the cases write them.
std::string statusof(Error::Kind kind) {
  static const std::map<Error::Kind, std::string> names = {
      {Error::Kind::UnknownCategory, "!UNKNOWN_CATEGORY"},
      {Error::Kind::UnknownUnit, "!UNKNOWN_UNIT"},
      {Error::Kind::Ambiguous, "!AMBIGUOUS"},
      {Error::Kind::NoCommonCategory, "!NO_COMMON_CATEGORY"},
      {Error::Kind::SeveralCategories, "!SEVERAL_CATEGORIES"},
      {Error::Kind::Unreadable, "!UNREADABLE_REQUEST"},
      {Error::Kind::NotInTables, "!NOT_IN_TABLES"}};
  return names.at(kind);
}
std::string statusof(const Result& result) {
  static const std::map<Result::Failure, std::string> names = {
      {Result::Failure::NotANumber, "!NOT_A_NUMBER"},
      {Result::Failure::Overflow, "!OVERFLOW"},
      {Result::Failure::BelowAbsoluteZero, "!BELOW_ABSOLUTE_ZERO"},
      {Result::Failure::NotInTables, "!NOT_IN_TABLES"},
      {Result::Failure::BadDigits, "!BAD_DIGITS"},
      {Result::Failure::NoSuchUnit, "!NO_SUCH_UNIT"},
      {Result::Failure::TooExact, "!TOO_EXACT"}};
  if (result.converted()) return result.text();
  if (result.status() == Result::Status::Nothing) return "!NOTHING";
  return names.at(result.failure());
}

TEST(ApiCases, EveryCaseGivesItsFigure) {
  const std::vector<Case> all = cases();
  ASSERT_GT(all.size(), 20u);
  for (const Case& c : all) {
    const merovane::Options options(c.mode == "tables" ? Mode::Tables : Mode::Precise);
    std::string got;
    if (c.kind == "request") {
      const auto query = Query::read(std::vector<std::string>{c.value, c.to});
      got = query ? statusof(query->convert(options)) : statusof(query.error().kind());
    } else {
      const auto pair = Pair::find(c.from, c.to);
      got = pair ? statusof(pair->convert(c.value, options)) : statusof(pair.error().kind());
      // A number gives the same as its text, its value the text's figure.
      char* end = nullptr;
      const double number = std::strtod(c.value.c_str(), &end);
      if (pair && *end == '\0') {
        const Result byvalue = pair->convert(number, options);
        EXPECT_EQ(statusof(byvalue), got) << c.value << " " << c.from;
        if (byvalue.converted()) {
          // The text is the value rounded to 15 digits.
          const double shown = std::strtod(c.expected.c_str(), nullptr);
          EXPECT_NEAR(byvalue.value(), shown, std::fabs(shown) * 1e-14) << c.from;
        }
      }
    }
    EXPECT_EQ(got, c.expected) << c.kind << " " << c.value << " " << c.from << " " << c.to;
  }
}

TEST(ApiCases, AUnitSaysWhatItIs) {
  const auto feet = Pair::find("ft", "m");
  ASSERT_TRUE(feet);
  const merovane::Unit foot = feet->from();
  EXPECT_EQ(foot.listed(), "Feet");
  EXPECT_EQ(foot.symbols().front(), "ft");
  EXPECT_EQ(foot.definition(), "12 in");
  EXPECT_EQ(foot.exact(), "381/1250");
  EXPECT_EQ(foot.value(), 0.3048);
  EXPECT_EQ(foot.category().reference(), "m");
  EXPECT_TRUE(foot.intables());
  // A temperature scale is no multiple of kelvins.
  EXPECT_EQ(Pair::find("F", "K")->from().exact(), "");
  EXPECT_TRUE(std::isnan(Pair::find("F", "K")->from().value()));

  // Every unit with an exact size has that size as its value, and answers to its names.
  for (const merovane::Category& category : merovane::Category::all())
    for (const merovane::Unit& unit : category.units()) {
      if (!unit.exact().empty()) {
        EXPECT_GT(unit.value(), 0) << unit.name();
      }
      EXPECT_EQ(unit.category(), category);
      const auto self = Pair::find(category.caption(), unit.name(), unit.name());
      if (self) {
        EXPECT_EQ(self->from(), unit) << unit.name();
      }
    }
}

TEST(ApiCases, NumbersOutsideTheDoublesFail) {
  const auto pair = Pair::find("mi", "km");
  ASSERT_TRUE(pair);
  EXPECT_EQ(pair->convert(NAN).failure(), Result::Failure::NotANumber);
  EXPECT_EQ(pair->convert(INFINITY).failure(), Result::Failure::Overflow);
  EXPECT_TRUE(std::isnan(pair->convert("abc").value()));
  EXPECT_EQ(pair->convert(1.0, {Mode::Precise, 3}).text(), "1.61");
  EXPECT_EQ(pair->convert(1.0, {Mode::Precise, 3}).value(), 1.609344);
}

TEST(ApiCases, OptionsOfAnOlderProgramKeepTheirMeaning) {
  // Options that end before the digits, as a program built before a field was added hands them
  // over: the library reads the mode and leaves the digits at their default.
  merovane::Options older(Mode::Tables, 3);
  const std::uint32_t beforedigits = 8;
  std::memcpy(static_cast<void*>(&older), &beforedigits, sizeof beforedigits);
  EXPECT_EQ(Pair::find("in", "ft")->convert("12", older).text(), "0.99999996");
  EXPECT_EQ(Pair::find("in", "ft")->convert("12", {Mode::Tables, 3}).text(), "1");
}

#ifndef NDEBUG
TEST(ApiCasesDeathTest, ReachingIntoAFailedFoundIsAsserted) {
  const auto unknown = Pair::find("zzzzzz", "m");
  EXPECT_DEATH(static_cast<void>(unknown->category()), "holds no value");
  EXPECT_DEATH(static_cast<void>(Pair::find("ft", "m").error()), "holds a value");
}
#endif

}  // namespace
