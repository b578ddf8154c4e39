#include "tablegen/departurecheck.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <set>

namespace merovane::gen {
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

// A plain decimal text as the data writes it ("201.1684", "9460528000000000000").
Figure writtenfigure(const std::string& text) {
  const size_t point = text.find('.');
  const int places = point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
  return {ExactDecimal::parse(text), exactpower10(-places) / 2};
}

// A literal held as a double: the shortest decimal that reads back as it, which is how the
// tables' literals are written (2.38845897E-11, 1125899906842620 as 15 significant digits).
Figure literalfigure(double value) {
  char text[64];
  const auto [end, error] =
      std::to_chars(text, text + sizeof text, value, std::chars_format::scientific);
  const std::string shortest(text, static_cast<size_t>(end - text));
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
  const int exponent = std::atoi(shortest.c_str() + e + 1);
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

class Checker {
 public:
  Checker(const UnitCategory& category, const Table& table) : category_(category), table_(table) {}

  // A column figure against the definitions' size in the column's unit.
  void column(int unit) {
    const RowLine& line = *row(unit).line;
    const ExactDecimal want = ratio(unit, table_.columnunit);
    const std::string symbol = " " + category_.file->columnshown;
    const ExactDecimal& value = table_.column[static_cast<size_t>(unit)];
    if (table_.written[static_cast<size_t>(unit)]) {
      const Figure figure = writtenfigure(line.table);
      check(line.listed, figure.value, figure.value - figure.half, figure.value + figure.half, want,
            line.table + symbol, symbol, line.why, line.place);
    } else {
      // An exact quotient of the table's base values.
      check(line.listed, value, value, value, want, sixteen(value) + symbol, symbol, line.why,
            line.place);
    }
  }

  // One cell of the table, against what the definitions give for a reading of 1: a product is
  // compared before any rounding, each factor's bound carried through the product.
  void cell(int source, int destination) {
    const PairExpression& expression = table_.table.at(source, destination);
    const ExactDecimal want = onereading(source, destination);
    switch (expression.kind()) {
      case PairExpression::Kind::Unchanged:
        return figure(source, destination, literalfigure(1), want);
      case PairExpression::Kind::Doubled:
        return figure(source, destination, literalfigure(2), want);
      case PairExpression::Kind::Offset:
        figure(source, destination, literalfigure(expression.factor(0)), want);
        return slope(source, destination, expression.factor(1));
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
    checkpair(source, destination, value, low, high, want, text);
  }

  // An offset pair's degree factor: its error grows with the reading (212 Fahrenheit comes out as
  // 100.00000094 Celsius), so one that is not the definitions' ratio exactly departs, however
  // close to it its written digits are.
  void slope(int source, int destination, double factor) {
    const ExactDecimal value = literalfigure(factor).value;
    checkpair(source, destination, value, value, value, ratio(source, destination),
              "degrees × " + written(value));
  }

  // A figure the table holds outside its cells (a factor the cells are built from).
  void figure(int source, int destination, const Figure& figure, const ExactDecimal& want) {
    checkpair(source, destination, figure.value, figure.value - figure.half,
              figure.value + figure.half, want, written(figure.value));
  }

  ExactDecimal ratio(int source, int destination) const {
    return row(source).size / row(destination).size;
  }

  // The destination reading of a source reading of 1 (for most categories, the sizes' ratio).
  ExactDecimal onereading(int source, int destination) const {
    return (row(source).size + row(source).offset - row(destination).offset) /
           row(destination).size;
  }

  // Every why of a pair the data gives must have explained a departure.
  void unusedwhys() const {
    for (const PairLine& line : category_.file->whys) {
      const auto key = std::make_pair(category_.listedrow(line.from, line.place),
                                      category_.listedrow(line.to, line.place));
      if (!usedpairs_.contains(key)) fail(line.place, "a why for a pair that does not depart");
    }
    for (int unit = 0; unit < category_.listedcount; ++unit) {
      const RowLine& line = *row(unit).line;
      if (!line.why.empty() && !usedrows_.contains(unit))
        fail(line.place, "a why for a figure that does not depart");
    }
  }

  std::vector<Departure> found;

 private:
  const Unit& row(int unit) const { return category_.rows[static_cast<size_t>(unit)]; }

  void checkpair(int source, int destination, const ExactDecimal& value, const ExactDecimal& low,
                 const ExactDecimal& high, const ExactDecimal& want, const std::string& text) {
    if (within(want, low, high)) return;
    const PairLine* why = nullptr;
    for (const PairLine& line : category_.file->whys)
      if (category_.listedrow(line.from, line.place) == source &&
          category_.listedrow(line.to, line.place) == destination)
        why = &line;
    const std::string item = row(source).line->listed + " to " + row(destination).line->listed;
    if (why == nullptr)
      fail(category_.file->place, item + " departs from the definitions (table " + text +
                                      ", definition " + sixteen(want) + "): say why");
    usedpairs_.insert({source, destination});
    found.push_back(
        {category_.file->caption, item, text, sixteen(want), relative(value, want), why->value});
  }

  void check(const std::string& item, const ExactDecimal& value, const ExactDecimal& low,
             const ExactDecimal& high, const ExactDecimal& want, const std::string& text,
             const std::string& symbol, const std::string& why, const Place& at) {
    if (within(want, low, high)) return;
    if (why.empty())
      fail(at, item + " departs from its definition (table " + text + ", definition " +
                   sixteen(want) + symbol + "): say why");
    for (int unit = 0; unit < category_.listedcount; ++unit)
      if (row(unit).line->listed == item) usedrows_.insert(unit);
    found.push_back(
        {category_.file->caption, item, text, sixteen(want) + symbol, relative(value, want), why});
  }

  const UnitCategory& category_;
  const Table& table_;
  std::set<std::pair<int, int>> usedpairs_;
  std::set<int> usedrows_;
};

}  // namespace

std::vector<Departure> departures(const UnitCategory& category, const Table& table) {
  Checker checker(category, table);
  const CategoryFile& file = *category.file;
  const int units = category.listedcount;
  if (table.rule) {
    for (int unit = 0; unit < units; ++unit) checker.column(unit);
    for (const PairLine& line : file.pairs)
      checker.cell(category.listedrow(line.from, line.place),
                   category.listedrow(line.to, line.place));
    if (table.rule->toward >= 0)
      checker.figure(table.columnunit, table.rule->toward, writtenfigure(table.rule->timestext),
                     checker.ratio(table.columnunit, table.rule->toward));
  } else {
    for (int source = 0; source < units; ++source)
      for (int destination = 0; destination < units; ++destination)
        if (source != destination) checker.cell(source, destination);
    // The degree factors the offset pairs scale by, which their cells hold only as products.
    for (const Table::Factor& factor : table.factors)
      checker.figure(factor.source, factor.destination, literalfigure(factor.figure),
                     checker.ratio(factor.source, factor.destination));
  }
  checker.unusedwhys();
  return checker.found;
}

}  // namespace merovane::gen
