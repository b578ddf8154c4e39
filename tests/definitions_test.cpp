// The units' exact definitions against the window's tables: every unit's reference figure (or, in
// a table written cell by cell, every cell) must lie within half a unit of its last written digit
// of what the definitions give, or be in the list of explained departures, which must also be the
// one the manual page shows. And the definitions' ratios the build compiles in.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "categories/categories.h"
#include "categories/departures.h"
#include "categories/finddensity_data.h"
#include "categories/findlength_data.h"
#include "categories/findpower_data.h"
#include "categories/findspeed_data.h"
#include "categories/findtemp_data.h"
#include "categories/findvolume_data.h"
#include "categories/findweight1_data.h"
#include "categories/prebuilt.h"
#include "tablegen/exactdecimal.h"
#include "tablegen/ruletable.h"

namespace merovane {
namespace {

ExactDecimal exactpower10(int exponent) {
  ExactDecimal power = 1;
  for (int at = 0; at < exponent; ++at) power = power * 10;
  for (int at = 0; at > exponent; --at) power = power / 10;
  return power;
}

// A figure as written, and half a unit of its last written digit.
struct Figure {
  ExactDecimal value;
  ExactDecimal half;
};

// A decimal text as the table writes it ("201.1684", "9460528000000000000").
Figure writtenfigure(std::string_view text) {
  const size_t point = text.find('.');
  const int places =
      point == std::string_view::npos ? 0 : static_cast<int>(text.size() - point - 1);
  return {ExactDecimal::parse(text), exactpower10(-places) / 2};
}

// A literal held as a double: the shortest decimal that reads back as it, which is how the
// table's literals are written (2.38845897E-11, 1125899906842620 as 15 significant digits).
Figure literalfigure(double value) {
  char text[64];
  const auto [end, error] =
      std::to_chars(text, text + sizeof text, value, std::chars_format::scientific);
  const std::string_view shortest(text, static_cast<size_t>(end - text));
  const size_t e = shortest.find('e');
  std::string digits;
  int fraction = 0;
  for (size_t at = 0; at < e; ++at) {
    if (shortest[at] == '.') {
      fraction = static_cast<int>(e - at - 1);
      continue;
    }
    digits += shortest[at];
  }
  int exponent = 0;
  std::from_chars(shortest.data() + e + 1 + (shortest[e + 1] == '+'),
                  shortest.data() + shortest.size(), exponent);
  const ExactDecimal unit = exactpower10(exponent - fraction);
  return {ExactDecimal::parse(digits) * unit, unit / 2};
}

bool within(const ExactDecimal& value, const ExactDecimal& low, const ExactDecimal& high) {
  return low < value ? !(high < value) : low == value;
}

// A terminating decimal as the tables write one: plainly, or from 0.0001 down with an exponent
// (9.47816988E-11).
std::string written(const ExactDecimal& value) {
  const std::string text = value.text();
  if (!(value < ExactDecimal::parse("0.0001"))) return text;
  const size_t first = text.find_first_not_of("0.");
  std::string mantissa = text.substr(first, 1);
  if (first + 1 < text.size()) {
    mantissa += '.';
    mantissa += text.substr(first + 1);
  }
  char exponent[16];
  std::snprintf(exponent, sizeof exponent, "E-%02d", static_cast<int>(first) - 1);
  return mantissa + exponent;
}

// A figure to 16 significant digits, as the list writes the definitions'.
std::string sixteen(const ExactDecimal& value) {
  return written(value.roundsignificant(16, Rounding::HalfEven));
}

std::string relative(const ExactDecimal& table, const ExactDecimal& definition) {
  char text[32];
  std::snprintf(text, sizeof text, "%+.1e", ((table - definition) / definition).nearestdouble());
  return text;
}

struct Found {
  std::string category, item, table, definition, relative;
};

class Departures {
 public:
  explicit Departures(const CategoryRecord& category) : category_(category) {
    for (const Definition& definition : category.definitions) {
      sizes_.push_back(exactvalue(definition.size));
      offsets_.push_back(exactvalue(definition.offset));
    }
  }

  // A reference column's entry against the definitions' size in the column's unit.
  void reference(const RuleData& rule) {
    for (size_t unit = 0; unit < rule.reference.size(); ++unit) {
      const ExactProduct& entry = rule.reference[unit];
      const ExactDecimal want = ratio(static_cast<int>(unit), rule.columnunit);
      std::string symbol(1, ' ');
      symbol += rule.symbol;
      if (entry.count == 1 && entry.terms[0].power == 1) {
        const Figure figure = writtenfigure(entry.terms[0].decimal);
        check(category_.units[unit], figure.value, figure.value - figure.half,
              figure.value + figure.half, want, std::string(entry.terms[0].decimal) + symbol,
              symbol);
      } else {
        // An exact quotient of the table's base values.
        const ExactDecimal value = exactvalue(entry);
        check(category_.units[unit], value, value, value, want, sixteen(value) + symbol, symbol);
      }
    }
  }

  // One cell of the table, against what the definitions give for a reading of 1: a product is
  // compared before any rounding, each factor's bound carried through the product.
  void cell(int source, int destination) {
    const PairExpression& expression = category_.table().at(source, destination);
    const ExactDecimal want = onereading(source, destination);
    switch (expression.kind()) {
      case PairExpression::Kind::Unchanged:
        return figure(source, destination, literalfigure(1), want);
      case PairExpression::Kind::Doubled:
        return figure(source, destination, literalfigure(2), want);
      case PairExpression::Kind::Offset:
        return figure(source, destination, literalfigure(expression.factor(0)), want);
      case PairExpression::Kind::Product:
        break;
    }
    ExactDecimal value = 1, low = 1, high = 1;
    std::string text;
    for (int at = 0; at < expression.factorcount(); ++at) {
      const Figure factor = literalfigure(expression.factor(at));
      value = value * factor.value;
      low = low * (factor.value - factor.half);
      high = high * (factor.value + factor.half);
      if (at > 0) text += " × ";
      text += written(factor.value);
    }
    check(pairname(source, destination), value, low, high, want, text, "");
  }

  // A literal the table holds for a pair outside its cells (a factor the cells are built from).
  void figure(int source, int destination, const Figure& figure, const ExactDecimal& want) {
    check(pairname(source, destination), figure.value, figure.value - figure.half,
          figure.value + figure.half, want, written(figure.value), "");
  }

  ExactDecimal ratio(int source, int destination) const {
    return sizes_[static_cast<size_t>(source)] / sizes_[static_cast<size_t>(destination)];
  }

  // The destination reading of a source reading of 1 (for most categories, the sizes' ratio).
  ExactDecimal onereading(int source, int destination) const {
    const size_t s = static_cast<size_t>(source), d = static_cast<size_t>(destination);
    return (sizes_[s] + offsets_[s] - offsets_[d]) / sizes_[d];
  }

  const std::vector<Found>& found() const { return found_; }

 private:
  std::string pairname(int source, int destination) const {
    return std::string(category_.units[static_cast<size_t>(source)]) + " to " +
           std::string(category_.units[static_cast<size_t>(destination)]);
  }

  void check(std::string_view item, const ExactDecimal& value, const ExactDecimal& low,
             const ExactDecimal& high, const ExactDecimal& want, const std::string& text,
             const std::string& symbol) {
    if (within(want, low, high)) return;
    found_.push_back({std::string(category_.caption), std::string(item), text,
                      sixteen(want) + symbol, relative(value, want)});
  }

  const CategoryRecord& category_;
  std::vector<ExactDecimal> sizes_, offsets_;
  std::vector<Found> found_;
};

const RuleData* ruledata(CategoryId id) {
  switch (id) {
    case CategoryId::Density:
      return &kDensityRule;
    case CategoryId::Length:
      return &kLengthRule;
    case CategoryId::Weight:
      return &kWeightRule;
    case CategoryId::Power:
      return &kPowerRule;
    case CategoryId::Speed:
      return &kSpeedRule;
    case CategoryId::Volume:
      return &kVolumeRule;
    default:
      return nullptr;
  }
}

// Every departure, category by category in the window's order: a rule-built table's reference
// column and the pairs set on top of its rule; every cell of a table written cell by cell.
std::vector<Found> computeddepartures() {
  std::vector<Found> all;
  for (const CategoryRecord& category : categories()) {
    Departures departures(category);
    const int units = static_cast<int>(category.units.size());
    if (const RuleData* rule = ruledata(category.id)) {
      departures.reference(*rule);
      for (const RuleCell& cell : rule->cells) departures.cell(cell.source, cell.destination);
      if (category.id == CategoryId::Density) {
        const int kilograms = densitydata::unit("Kilograms/cubic meters");
        const int grains = densitydata::unit("Grains/gallon");
        departures.figure(kilograms, grains, writtenfigure(densitydata::kGrainsPerGallonFactor),
                          departures.ratio(kilograms, grains));
      }
    } else {
      for (int source = 0; source < units; ++source)
        for (int destination = 0; destination < units; ++destination)
          if (source != destination) departures.cell(source, destination);
      // The degree factors the offset pairs scale by, which their cells hold only as products.
      if (category.id == CategoryId::Temperature)
        for (const TempFactor& factor : kTempFactors)
          departures.figure(factor.source, factor.destination, literalfigure(factor.factor),
                            departures.ratio(factor.source, factor.destination));
    }
    all.insert(all.end(), departures.found().begin(), departures.found().end());
  }
  return all;
}

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

// The departures merovane-convert(1) lists, one "CategoryRecord: item: table ..." line each.
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

TEST(Definitions, EveryUnitHasOneOfPositiveSize) {
  for (const CategoryRecord& category : categories()) {
    SCOPED_TRACE(category.caption);
    ASSERT_EQ(category.definitions.size(), category.units.size());
    for (const Definition& definition : category.definitions) {
      EXPECT_LT(ExactDecimal(0), exactvalue(definition.size));
      if (category.id != CategoryId::Temperature) {
        EXPECT_TRUE(exactvalue(definition.offset).iszero());
      }
    }
  }
}

TEST(Definitions, TheTablesDepartOnlyWhereTheListSays) {
  const std::vector<Found> found = computeddepartures();
  std::cout << "Where the window's tables are approximate (" << found.size() << "):\n";
  for (const Found& row : found)
    std::cout << "  " << rowtext(row.category, row.item, row.table, row.definition, row.relative)
              << "\n";
  std::vector<std::string> computed, listed;
  for (const Found& row : found)
    computed.push_back(rowtext(row.category, row.item, row.table, row.definition, row.relative));
  for (const Departure& row : kDepartures) {
    listed.push_back(rowtext(row.category, row.item, row.table, row.definition, row.relative));
    EXPECT_FALSE(row.why.empty()) << listed.back();
  }
  EXPECT_EQ(computed, listed);
}

TEST(Definitions, TheManualPageShowsTheList) {
  std::vector<std::string> listed;
  for (const Departure& row : kDepartures)
    listed.push_back(rowtext(row.category, row.item, row.table, row.definition, row.relative) +
                     ": " + std::string(row.why) + ".");
  EXPECT_EQ(pagerows(MEROVANE_CONVERT_PAGE), listed);
}

// The ratios the build compiles in, against the issue's reference points.
TEST(Definitions, RatiosAreTheDefinitionsRoundedOnce) {
  const auto at = [](CategoryId id, std::string_view from, std::string_view to) {
    const std::span<const double> ratios = preciseratios(id);
    const size_t units = category(id).units.size() + category(id).multiples.size();
    const auto where = [&](std::string_view unit) {
      const auto& names = category(id).units;
      return static_cast<size_t>(std::find(names.begin(), names.end(), unit) - names.begin());
    };
    return ratios[where(from) * units + where(to)];
  };
  EXPECT_EQ(12 * at(CategoryId::Length, "Inches", "Feet"), 1.0);
  EXPECT_EQ(36 * at(CategoryId::Length, "Inches", "Yards"), 1.0);
  EXPECT_EQ(1024 * at(CategoryId::BitsAndBytes, "Megabytes(MB)", "Gigabytes(GB)"), 1.0);
  EXPECT_EQ(at(CategoryId::Length, "Light years", "Kilometers"), 9460730472580.8);
  char text[32];
  std::snprintf(text, sizeof text, "%.15G", at(CategoryId::Length, "Millimeters", "Miles"));
  EXPECT_STREQ(text, "6.21371192237334E-07");
  EXPECT_EQ(at(CategoryId::Temperature, "Fahrenheit", "Celsius"), 5.0 / 9.0);
  EXPECT_EQ(at(CategoryId::Energy, "Calories", "Joules"), 4.1868);
  EXPECT_EQ(at(CategoryId::Power, "Calories/second", "Watts"), 4.184);
  for (const CategoryRecord& category : categories()) {
    const size_t units = category.units.size() + category.multiples.size();
    ASSERT_EQ(preciseratios(category.id).size(), units * units) << category.caption;
    for (size_t unit = 0; unit < units; ++unit)
      EXPECT_EQ(preciseratios(category.id)[unit * units + unit], 1.0) << category.caption;
  }
}

}  // namespace
}  // namespace merovane
