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
      {{"in", "ft"}, {}, "12", "0.99999996"},
      {{"in", "ft"}, {Mode::Precise, 15}, "12", "1"},
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
  EXPECT_EQ(celsius->from(), "Celsius");
  EXPECT_EQ(celsius->category().caption(), "Temperature");
}

TEST(Library, SaysWhyANameFails) {
  const auto unknown = Pair::find("celcius", "F");
  ASSERT_FALSE(unknown);
  EXPECT_EQ(unknown.error().kind(), Error::Kind::UnknownUnit);
  EXPECT_EQ(unknown.error().message(), "unknown unit \"celcius\"; did you mean Celsius?");
  EXPECT_EQ(unknown.error().candidates(), std::vector<std::string>{"Celsius"});

  const auto ambiguous = Pair::find("hp", "W");
  ASSERT_FALSE(ambiguous);
  EXPECT_EQ(ambiguous.error().kind(), Error::Kind::Ambiguous);
  EXPECT_EQ(ambiguous.error().candidates().size(), 4u);

  EXPECT_EQ(Pair::find("mi", "kg").error().kind(), Error::Kind::NoCommonCategory);
  EXPECT_EQ(Pair::find("Lenght", "mi", "m").error().kind(), Error::Kind::UnknownCategory);
  const auto category = merovane::Category::find("Lenght");
  ASSERT_FALSE(category);
  EXPECT_EQ(category.error().message(), "unknown category \"Lenght\"");
  EXPECT_EQ(category.error().candidates().size(), 12u);
}

TEST(Library, SettingsAndPositionsOutOfRangeFail) {
  const auto pair = Pair::find("mi", "m");
  ASSERT_TRUE(pair);
  for (const int digits : {0, 18, -1})
    EXPECT_EQ(pair->convert("1", {Mode::Tables, digits}).status(),
              merovane::Result::Status::Failed);
  EXPECT_EQ(pair->convert("abc").error(), "Type mismatch");
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
}

}  // namespace
