// libmerovane as other programs call it: names in, texts out, and every wrong name or setting an
// error or a failed result, never a crash.
#include <gtest/gtest.h>
#include <merovane/merovane.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using merovane::Error;
using merovane::Mode;
using merovane::Pair;

TEST(Library, ConvertsByNames) {
  const struct {
    std::vector<std::string> names;  // [category,] from, to
    merovane::Options options;
    std::string value, text;
  } cases[] = {
      {{"mi", "m"}, {}, "1", "1609.344"},
      {{"Length", "Miles", "meter"}, {}, "1", "1609.344"},
      {{"in", "ft"}, {}, "12", "1"},  // by the definitions, unless asked
      {{"in", "ft"}, {Mode::Tables, 15}, "12", "0.99999996"},
      {{"mi", "km"}, {Mode::Tables, 3}, "1", "1.61"},
      {{"inHg", "mmHg"}, {Mode::Precise, 15}, "1", "25.4"},
  };
  for (const auto& c : cases) {
    const auto pair = c.names.size() == 2 ? Pair::find(c.names[0], c.names[1])
                                          : Pair::find(c.names[0], c.names[1], c.names[2]);
    ASSERT_TRUE(pair) << pair.error().message();
    const merovane::Result result = pair->convert(c.value, c.options);
    EXPECT_TRUE(result.converted()) << result.error();
    EXPECT_EQ(result.text(), c.text) << c.names[0];
  }
  const auto celsius = Pair::find("c", "f");
  ASSERT_TRUE(celsius);
  EXPECT_EQ(celsius->convert("100").text(), "212");
  EXPECT_EQ(celsius->fromname(), "Celsius");
  EXPECT_EQ(celsius->from().listed(), "Celsius");
  EXPECT_EQ(celsius->category().caption(), "Temperature");
}

TEST(Library, SaysWhyANameFails) {
  const auto unknown = Pair::find("celcius", "F");
  ASSERT_FALSE(unknown);
  EXPECT_EQ(unknown.error().kind(), Error::Kind::UnknownUnit);
  EXPECT_EQ(unknown.error().message(), "unknown unit \"celcius\"; did you mean Celsius?");
  EXPECT_EQ(unknown.error().candidates(), std::vector<std::string>{"Celsius"});

  const auto ambiguous = Pair::find("Horsepower", "W");
  ASSERT_FALSE(ambiguous);
  EXPECT_EQ(ambiguous.error().kind(), Error::Kind::Ambiguous);
  EXPECT_EQ(ambiguous.error().candidates().size(), 4u);

  EXPECT_EQ(Pair::find("mi", "kg").error().kind(), Error::Kind::NoCommonCategory);
  EXPECT_EQ(Pair::find("Lenght", "mi", "m").error().kind(), Error::Kind::UnknownCategory);
  const auto category = merovane::Category::find("Lenght");
  ASSERT_FALSE(category);
  EXPECT_EQ(category.error().message(), "unknown category \"Lenght\"");
  EXPECT_EQ(category.error().candidates().size(), 18u);
  // A single call lists the valid names, a line each.
  EXPECT_EQ(category.error().details().rfind(
                "unknown category \"Lenght\"; the categories are:\nArea\nBits and Bytes\n", 0),
            0u);
  const auto inlength = Pair::find("Length", "zzzzzz", "m");
  ASSERT_FALSE(inlength);
  EXPECT_EQ(inlength.error().message(), "unknown unit \"zzzzzz\" in Length");
  // The library's messages name no option of merovane-convert.
  EXPECT_EQ(inlength.error().details().rfind(
                "unknown unit \"zzzzzz\" in Length; its units are:\nAngstroms\n", 0),
            0u);
  EXPECT_EQ(inlength.error().category(), "Length");
  EXPECT_EQ(Pair::find("zzzzzz", "m").error().details(), "unknown unit \"zzzzzz\"");
}

TEST(Library, ListsMultiplesWithTheirFactors) {
  const auto watthours = Pair::find("Wh", "J");
  ASSERT_TRUE(watthours);
  const std::vector<merovane::Unit> multiples = watthours->from().multiples();
  ASSERT_FALSE(multiples.empty());
  EXPECT_EQ(multiples[0].symbols().front(), "kWh");
  EXPECT_EQ(multiples[0].factor(), "1000");
  EXPECT_TRUE(multiples[0].multiples().empty());  // a multiple has none of its own
}

TEST(Library, SettingsAndPositionsOutOfRangeFail) {
  const auto pair = Pair::find("mi", "m");
  ASSERT_TRUE(pair);
  for (const int digits : {0, 18, -1})
    EXPECT_EQ(pair->convert("1", {Mode::Tables, digits}).status(),
              merovane::Result::Status::Failed);
  EXPECT_EQ(pair->convert("abc").error(), "Type mismatch");
  EXPECT_EQ(pair->convert("abc").message(),
            "cannot convert \"abc\": Type mismatch (write numbers like 1.5, -2 or 3E+8)");
  EXPECT_EQ(pair->convert("1").message(), "");
  EXPECT_EQ(pair->convert("").status(), merovane::Result::Status::Nothing);

  const merovane::Chart chart = merovane::Category::find("Length")->chart("1");
  EXPECT_EQ(chart.units().size(), 22u);
  EXPECT_EQ(chart.at(0, 22).status(), merovane::Result::Status::Failed);
  EXPECT_EQ(chart.at(static_cast<size_t>(-1), 0).status(), merovane::Result::Status::Failed);

  std::istringstream in("1\nabc\n\n2\n");
  std::ostringstream out;
  const merovane::StreamCount count = pair->convert(in, out);
  EXPECT_EQ(out.str(), "1609.344\n\n\n3218.688\n");
  EXPECT_EQ(count.lines, 4u);
  EXPECT_EQ(count.failed, 1u);

  // The same, told of each failure.
  std::istringstream again("1\nabc\n\n" + std::string(70000, '1') + "\n");
  std::vector<std::string> failures;
  pair->convert(again, out, {}, [&](std::uint64_t line, const std::string& message) {
    failures.push_back(std::to_string(line) + ": " + message);
  });
  EXPECT_EQ(failures, (std::vector<std::string>{
                          "2: cannot convert \"abc\": Type mismatch (write numbers like 1.5, -2 or "
                          "3E+8)",
                          "4: longer than 65536 bytes: skipped"}));

  // Digits out of range fail every line that is not blank, still within the line limit: an
  // empty line out and a failure told for each.
  std::istringstream lines("1\n\n" + std::string(70000, '1') + "\nabc");
  std::ostringstream empty;
  failures.clear();
  const merovane::StreamCount refused = pair->convert(
      lines, empty, {Mode::Precise, 0}, [&](std::uint64_t line, const std::string& message) {
        failures.push_back(std::to_string(line) + ": " + message);
      });
  EXPECT_EQ(empty.str(), "\n\n\n\n");
  EXPECT_EQ(refused.lines, 4u);
  EXPECT_EQ(refused.failed, 3u);
  EXPECT_EQ(failures, (std::vector<std::string>{"1: a result shows 1 to 17 significant digits",
                                                "3: longer than 65536 bytes: skipped",
                                                "4: a result shows 1 to 17 significant digits"}));
}

}  // namespace
