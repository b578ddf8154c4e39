// The units' exact definitions as the build compiled them: the list of the tables' departures
// from them (which merovane-tablegen works out from the unit data, each with its why) is the one
// the manual page shows, and the precise maps are the definitions' ratios rounded once.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "categories/categories.h"
#include "categories/departures.h"

namespace merovane {
namespace {

std::string rowtext(std::string_view category, std::string_view item, std::string_view table,
                    std::string_view definition, std::string_view relative) {
  std::ostringstream row;
  row << category << ": " << item << ": table " << table << ", definition " << definition << ", "
      << relative;
  return row.str();
}

// Roff as merovane-mangen writes it, back to the text it prints.
std::string unroff(std::string_view line) {
  static const std::pair<std::string_view, std::string_view> kEscapes[] = {
      {"\\%", ""},    {"\\fB", ""},   {"\\fR", ""},       {"\\ ", " "},
      {"\\-", "-"},   {"\\(aq", "'"}, {"\\(dq", "\""},    {"\\(mc", "µ"},
      {"\\(de", "°"}, {"\\(oA", "Å"}, {"\\[u00B3]", "³"}, {"\\[u00D7]", "×"},
      {"\\(S2", "²"}, {"\\(S3", "³"}, {"\\(mu", "×"},     {"\\('e", "é"}};
  std::string text;
  for (size_t at = 0; at < line.size();) {
    bool escaped = false;
    for (const auto& [escape, printed] : kEscapes)
      if (line.substr(at, escape.size()) == escape) {
        text += printed;
        at += escape.size();
        escaped = true;
        break;
      }
    if (!escaped) text += line[at++];
  }
  return text;
}

// The departures merovane-convert(1) lists, one "Category: item: table ..." line each.
std::vector<std::string> pagerows(const std::string& path) {
  std::ifstream page(path);
  EXPECT_TRUE(page) << "cannot read " << path;
  std::vector<std::string> rows;
  std::string line, category;
  bool section = false;
  while (std::getline(page, line)) {
    if (line.starts_with(".SH"))
      section = line == ".SH \"WHERE THE WINDOW\\(aqS TABLES ARE APPROXIMATE\"";
    if (!section) continue;
    if (line.starts_with(".SS \"")) category = unroff(line.substr(5, line.size() - 6));
    if (line != ".TP") continue;
    std::string item, text;
    std::getline(page, item);
    std::getline(page, text);
    rows.push_back(category + ": " + unroff(item) + ": " + unroff(text));
  }
  return rows;
}

TEST(Definitions, EveryDepartureSaysWhy) {
  ASSERT_FALSE(departures().empty());
  for (const Departure& row : departures()) {
    SCOPED_TRACE(rowtext(row.category, row.item, row.table, row.definition, row.relative));
    EXPECT_FALSE(row.why.empty());
    EXPECT_NE(row.table, row.definition);
  }
}

TEST(Definitions, TheManualPageShowsTheList) {
  std::vector<std::string> listed;
  for (const Departure& row : departures())
    listed.push_back(rowtext(row.category, row.item, row.table, row.definition, row.relative) +
                     ": " + std::string(row.why) + ".");
  EXPECT_EQ(pagerows(MEROVANE_CONVERT_PAGE), listed);
}

// The precise maps the build compiles in, against the issue's reference points.
TEST(Definitions, RatiosAreTheDefinitionsRoundedOnce) {
  const auto map = [](CategoryId id, std::string_view from, std::string_view to) {
    const CategoryRecord& record = category(id);
    const auto where = [&](std::string_view unit) {
      const auto& names = record.units;
      return static_cast<size_t>(std::find(names.begin(), names.end(), unit) - names.begin());
    };
    return record.precise[where(from) * record.rows.size() + where(to)];
  };
  const auto at = [&](CategoryId id, std::string_view from, std::string_view to) {
    return map(id, from, to).apply(1);
  };
  EXPECT_EQ(12 * at(CategoryId::Length, "Inches", "Feet"), 1.0);
  EXPECT_EQ(36 * at(CategoryId::Length, "Inches", "Yards"), 1.0);
  EXPECT_EQ(1024 * at(CategoryId::BitsAndBytes, "Megabytes(MB)", "Gigabytes(GB)"), 1.0);
  EXPECT_EQ(at(CategoryId::Length, "Light years", "Kilometers"), 9460730472580.8);
  char text[32];
  std::snprintf(text, sizeof text, "%.15G", at(CategoryId::Length, "Millimeters", "Miles"));
  EXPECT_STREQ(text, "6.21371192237334E-07");
  EXPECT_EQ(map(CategoryId::Temperature, "Fahrenheit", "Celsius").apply(212), 100.0);
  EXPECT_EQ(map(CategoryId::Temperature, "Fahrenheit", "Celsius").apply(-40), -40.0);
  EXPECT_EQ(map(CategoryId::Temperature, "Celsius", "Kelvin").apply(0), 273.15);
  EXPECT_EQ(at(CategoryId::Energy, "Calories", "Joules"), 4.1868);
  EXPECT_EQ(at(CategoryId::Power, "Calories/second", "Watts"), 4.184);
  for (const CategoryRecord& record : categories()) {
    const size_t rows = record.rows.size();
    ASSERT_EQ(record.precise.size(), rows * rows) << record.caption;
    for (size_t row = 0; row < rows; ++row)
      EXPECT_EQ(record.precise[row * rows + row].apply(-2.5), -2.5) << record.caption;
  }
}

}  // namespace
}  // namespace merovane
