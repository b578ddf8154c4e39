// The names units answer to, checked over the data of every category: each name reaches one
// listed unit and no other name reaches the same, and the command line takes them.
#include "cli/names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "categories/categories.h"
#include "cli/convert.h"

namespace merovane {
namespace {

// Every text a unit answers to, listed names included, with whether it is a symbol.
struct Entry {
  std::string_view text;
  bool symbol;
  UnitRef unit;
};

int position(const Category& category, std::string_view listed) {
  const auto found = std::find(category.units.begin(), category.units.end(), listed);
  return found == category.units.end() ? -1 : static_cast<int>(found - category.units.begin());
}

std::vector<Entry> entries() {
  std::vector<Entry> all;
  for (const Category& category : categories()) {
    for (size_t unit = 0; unit < category.units.size(); ++unit)
      all.push_back({category.units[unit], false, {&category, static_cast<int>(unit)}});
    for (const UnitName& name : category.names)
      all.push_back({name.text,
                     name.kind == UnitName::Kind::Symbol,
                     {&category, position(category, name.unit)}});
  }
  return all;
}

bool answersto(const Entry& entry, std::string_view typed) {
  return entry.symbol ? entry.text == typed : samename(entry.text, typed);
}

TEST(UnitNames, EveryNameIsOneListedUnitsAndNoOtherNameIsTheSame) {
  const std::vector<Entry> all = entries();
  for (const Entry& entry : all) {
    SCOPED_TRACE(std::string(entry.unit.category->caption) + ": " + std::string(entry.text));
    ASSERT_GE(entry.unit.unit, 0) << "names no listed unit";
    EXPECT_FALSE(entry.text.empty());
    const auto same = std::count_if(
        all.begin(), all.end(), [&](const Entry& other) { return answersto(other, entry.text); });
    EXPECT_EQ(same, 1) << "answered by another name too";
    // Without a category too, so a listed name still works anywhere.
    EXPECT_EQ(findunits(entry.text, categories()), std::vector<UnitRef>{entry.unit});
  }
}

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

TEST(UnitNames, TheCommandLineTakesThem) {
  struct Case {
    std::vector<std::string> arguments;
    int code;
    const char* out;
    const char* err;  // a part of standard error
  };
  const Case cases[] = {
      {{"1", "mi", "m"}, 0, "1609.344\n", ""},
      {{"length", "1", "Mile", "meter"}, 0, "1609.344\n", ""},
      {{"100", "C", "F"}, 0, "212\n", ""},
      {{"1", "MB", "KB"}, 0, "1024\n", ""},
      {{"1", "Megabytes", "kilobyte"}, 0, "1024\n", ""},
      {{"1", "joules / second", "W"}, 0, "1\n", ""},
      {{"Pressure", "1", "Pounds / square inch", "psi"}, 0, "1\n", ""},
      {{"1", "mB", "KB"}, 2, "", "unknown unit \"mB\""},
      {{"1", "mi", "kg"}, 2, "", "\"mi\" is a unit of Length and \"kg\" of Weight"},
      {{"length", "1", "kg", "m"}, 2, "", "unknown unit \"kg\" in Length"},
      {{"1", "mi\x1b[2J", "m"}, 2, "", "unknown unit \"mi\\x1b[2J\""},
      {{"--grid", "Length", ""},
       1,
       "",
       "merovane-convert: the value is empty: nothing to convert\n"},
      {{"length", "m", "ft"}, 2, "", "missing the unit to convert to\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments[0] + " " + c.arguments[1] + " " + c.arguments[2]);
    const CliRun run = cli(c.arguments);
    EXPECT_EQ(run.code, c.code);
    EXPECT_EQ(run.out, c.out);
    EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
  }
}

}  // namespace
}  // namespace merovane
