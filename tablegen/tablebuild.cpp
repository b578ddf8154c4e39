#include "tablegen/tablebuild.h"

#include <cmath>
#include <cstdlib>
#include <sstream>

#include "tablegen/quantity.h"

namespace merovane::gen {
namespace {

std::vector<std::string> words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> all;
  for (std::string word; in >> word;) all.push_back(word);
  return all;
}

Rounding roundingmode(const std::string& word, const Place& at) {
  if (word == "even") return Rounding::HalfEven;
  if (word == "away") return Rounding::HalfAwayFromZero;
  if (word == "up") return Rounding::HalfUp;
  fail(at, "a rounding is even, away or up, not " + word);
}

int whole(const std::string& word, const Place& at) {
  if (word.empty() || word.find_first_not_of("0123456789") != std::string::npos)
    fail(at, "not a whole number: " + word);
  return std::atoi(word.c_str());
}

// A figure as the data writes it: one number, or a quotient of numbers ("12/39.37/3600").
ExactDecimal figurevalue(const std::string& text, const Place& at) {
  const Lookup none = [](const std::string& name, const Place& where) -> Quantity {
    fail(where, "a figure holds numbers only, not " + name);
  };
  const Quantity value = evaluate(text, none, at);
  return value.value;
}

// The double a figure reads as, as a compiler reads the literal.
double literal(const std::string& text, const Place& at) {
  if (!isnumber(text)) fail(at, "not a number: " + text);
  return std::strtod(text.c_str(), nullptr);
}

Rule parserule(const UnitCategory& category) {
  const CategoryFile& file = *category.file;
  const Place& at = file.ruleplace;
  Rule rule;
  std::vector<std::string> steps;
  for (size_t start = 0;;) {
    const size_t end = file.rule.find(';', start);
    steps.push_back(file.rule.substr(start, end == std::string::npos ? end : end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  const std::vector<std::string> first = words(steps[0]);
  if (first.size() != 3 || first[0] != "places") fail(at, "a rule starts: places N MODE");
  rule.places = whole(first[1], at);
  rule.mode = roundingmode(first[2], at);
  for (size_t step = 1; step < steps.size(); ++step) {
    const size_t colon = steps[step].find(':');
    if (colon == std::string::npos) fail(at, "a rule's step is WHEN: WHAT");
    const std::vector<std::string> when = words(steps[step].substr(0, colon));
    const std::vector<std::string> what = words(steps[step].substr(colon + 1));
    if (when.size() == 1 && when[0] == "equal" && what == std::vector<std::string>{"unchanged"}) {
      rule.equalunchanged = true;
      continue;
    }
    if (when.size() == 2 && when[0] == "toward" && what.size() == 2 && what[0] == "times") {
      rule.toward = category.listedrow(when[1], at);
      rule.times = figurevalue(what[1], at);
      rule.timestext = what[1];
      continue;
    }
    if (what.size() != 3 || what[0] != "significant") fail(at, "a step rounds: significant N MODE");
    Rule::Clause clause{Rule::Clause::When::Zero};
    clause.digits = whole(what[1], at);
    clause.mode = roundingmode(what[2], at);
    if (when.size() == 1 && when[0] == "zero") {
      clause.when = Rule::Clause::When::Zero;
    } else if (when.size() == 2 && when[0] == "from") {
      clause.when = Rule::Clause::When::From;
      clause.from = figurevalue(when[1], at);
    } else if (when.size() == 2 && when[0] == "over") {
      clause.when = Rule::Clause::When::Over;
      clause.over = whole(when[1], at);
    } else {
      fail(at, "a step applies at zero:, from X: or over N:");
    }
    rule.clauses.push_back(clause);
  }
  return rule;
}

// "unchanged", "doubled", "FIGURE" or "FIGURE * FIGURE ..., N places".
PairExpression pairvalue(const std::string& text, const Place& at) {
  if (text == "unchanged") return PairExpression::unchanged();
  if (text == "doubled") return PairExpression::doubled();
  std::string factors = text;
  int places = kNoRounding;
  if (const size_t comma = text.find(','); comma != std::string::npos) {
    const std::vector<std::string> tail = words(text.substr(comma + 1));
    if (tail.size() != 2 || tail[1] != "places") fail(at, "a chain ends: , N places");
    places = whole(tail[0], at);
    factors = text.substr(0, comma);
  }
  std::vector<double> chain;
  for (const std::string& word : words(factors))
    if (word != "*") chain.push_back(literal(word, at));
  if (chain.empty() || chain.size() > 4) fail(at, "a chain multiplies one to four figures");
  switch (chain.size()) {
    case 1:
      return PairExpression::chain({chain[0]}, places);
    case 2:
      return PairExpression::chain({chain[0], chain[1]}, places);
    case 3:
      return PairExpression::chain({chain[0], chain[1], chain[2]}, places);
    default:
      return PairExpression::chain({chain[0], chain[1], chain[2], chain[3]}, places);
  }
}

void columntable(const UnitCategory& category, Table& table) {
  const CategoryFile& file = *category.file;
  table.columnunit = category.listedrow(file.column, file.columnplace);
  if (file.rule.empty()) fail(file.columnplace, "a column needs its rule");
  table.rule = parserule(category);
  for (int row = 0; row < category.listedcount; ++row) {
    const RowLine& line = *category.rows[static_cast<size_t>(row)].line;
    if (line.table.empty()) fail(line.place, "a unit of a rule-built table needs its figure");
    table.column.push_back(figurevalue(line.table, line.place));
    table.written.push_back(isnumber(line.table));
  }
  if (!(table.column[static_cast<size_t>(table.columnunit)] == ExactDecimal(1)))
    fail(file.columnplace, "the column's own unit has the figure 1");
  const Rule& rule = *table.rule;
  const std::vector<ExactDecimal>& size = table.column;
  for (int i = 0; i < category.listedcount; ++i)
    for (int j = 0; j < category.listedcount; ++j) {
      if (i == j) continue;
      const ExactDecimal& from = size[static_cast<size_t>(i)];
      if (rule.equalunchanged && from == size[static_cast<size_t>(j)]) continue;
      const ExactDecimal quotient =
          j == rule.toward ? from * rule.times : from / size[static_cast<size_t>(j)];
      table.table.set(i, j, PairExpression::constant(rule.constant(quotient).nearestdouble()));
    }
}

// The size of one degree of `source` in degrees of `destination`: 1 for scales of one degree,
// else one factor between scales of those degrees, or the product of two in double precision.
double degreeratio(const UnitCategory& category, const Table& table, int source, int destination) {
  const auto size = [&](int row) { return category.rows[static_cast<size_t>(row)].size; };
  if (size(source) == size(destination)) return 1;
  for (const Table::Factor& factor : table.factors)
    if (size(factor.source) == size(source) && size(factor.destination) == size(destination))
      return factor.figure;
  for (const Table::Factor& first : table.factors)
    for (const Table::Factor& second : table.factors)
      if (size(first.source) == size(source) && size(first.destination) == size(second.source) &&
          size(second.destination) == size(destination))
        return first.figure * second.figure;
  fail(category.file->gridplace,
       "no degree factor reaches from " + category.rows[static_cast<size_t>(source)].line->listed +
           " to " + category.rows[static_cast<size_t>(destination)].line->listed);
}

void gridtable(const UnitCategory& category, Table& table) {
  const CategoryFile& file = *category.file;
  const int units = category.listedcount;
  if (static_cast<int>(file.gridunits.size()) != units ||
      static_cast<int>(file.grid.size()) != units)
    fail(file.gridplace, "a grid has a column and a row for every listed unit");
  std::vector<int> columns;
  for (const std::string& name : file.gridunits)
    columns.push_back(category.listedrow(name, file.gridplace));
  for (const PairLine& line : file.factors)
    table.factors.push_back({category.listedrow(line.from, line.place),
                             category.listedrow(line.to, line.place),
                             literal(line.value, line.place)});
  for (const GridLine& line : file.grid) {
    if (static_cast<int>(line.cells.size()) != units + 1)
      fail(line.place, "a grid row has its unit and a cell for every listed unit");
    const int source = category.listedrow(line.cells[0], line.place);
    for (int at = 0; at < units; ++at) {
      const int destination = columns[static_cast<size_t>(at)];
      const std::string& cell = line.cells[static_cast<size_t>(at) + 1];
      if (cell == "-") {  // the diagonal, or a pair set below
        if (source != destination) table.holes.emplace_back(source, destination);
        continue;
      }
      if (source == destination) fail(line.place, "the diagonal takes the value unchanged: -");
      const double figure = literal(cell, line.place);
      const Unit& from = category.rows[static_cast<size_t>(source)];
      const Unit& to = category.rows[static_cast<size_t>(destination)];
      // Scales that share their zero point only multiply.
      if (table.factors.empty() || from.offset == to.offset)
        table.table.set(source, destination, PairExpression::constant(figure));
      else
        table.table.set(
            source, destination,
            PairExpression::offset(figure, degreeratio(category, table, source, destination)));
    }
  }
}

void powerstable(const UnitCategory& category, Table& table) {
  const CategoryFile& file = *category.file;
  const auto figures = [&](const std::vector<std::string>& list) {
    std::vector<std::pair<int, double>> parsed;
    for (const std::string& word : list) {
      const size_t equals = word.find('=');
      if (equals == std::string::npos) fail(file.powersplace, "a power is written K=FIGURE");
      parsed.emplace_back(whole(word.substr(0, equals), file.powersplace),
                          literal(word.substr(equals + 1), file.powersplace));
    }
    return parsed;
  };
  const auto up = figures(file.powersup), down = figures(file.powersdown);
  const auto find = [](const std::vector<std::pair<int, double>>& list, int k) -> const double* {
    for (const auto& [power, figure] : list)
      if (power == k) return &figure;
    return nullptr;
  };
  for (int s = 0; s < category.listedcount; ++s)
    for (int d = 0; d < category.listedcount; ++d) {
      if (s == d) continue;
      // The sizes' ratio is 2^k.
      ExactDecimal ratio =
          category.rows[static_cast<size_t>(s)].size / category.rows[static_cast<size_t>(d)].size;
      int k = 0;
      while (ExactDecimal(1) < ratio) ratio = ratio / 2, ++k;
      while (ratio < ExactDecimal(1)) ratio = ratio * 2, --k;
      if (!(ratio == ExactDecimal(1))) fail(file.powersplace, "sizes that differ by no power of 2");
      if (k > 0) {
        const double* figure = find(up, k);
        if (figure == nullptr) fail(file.powersplace, "no power up " + std::to_string(k));
        table.table.set(s, d, PairExpression::constant(*figure));
      } else if (const double* figure = find(down, -k)) {
        table.table.set(s, d, PairExpression::constant(*figure));
      }
    }
}

}  // namespace

ExactDecimal Rule::constant(const ExactDecimal& quotient) const {
  ExactDecimal result = quotient.roundplaces(places, mode);
  for (const Clause& clause : clauses) switch (clause.when) {
      case Clause::When::Zero:
        if (result.iszero()) result = quotient.roundsignificant(clause.digits, clause.mode);
        break;
      case Clause::When::From:
        if (quotient >= clause.from) result = quotient.roundsignificant(clause.digits, clause.mode);
        break;
      case Clause::When::Over:
        if (result.significantdigits() > clause.over)
          result = result.roundsignificant(clause.digits, clause.mode);
        break;
    }
  return result;
}

Table buildtable(const UnitCategory& category) {
  const CategoryFile& file = *category.file;
  Table table;
  table.table = ConversionTable(category.listedcount);
  const int kinds = !file.column.empty() + !file.gridunits.empty() + !file.powersup.empty();
  if (kinds != 1) fail(file.place, "a table is one of: a column and its rule, a grid, or powers");
  if (!file.column.empty()) {
    columntable(category, table);
  } else {
    for (int row = 0; row < category.listedcount; ++row)
      if (const RowLine& line = *category.rows[static_cast<size_t>(row)].line; !line.table.empty())
        fail(line.place, "a figure for a table that has no column");
    if (!file.gridunits.empty())
      gridtable(category, table);
    else
      powerstable(category, table);
  }
  for (const PairLine& line : file.pairs) {
    const int source = category.listedrow(line.from, line.place);
    const int destination = category.listedrow(line.to, line.place);
    if (source == destination) fail(line.place, "a pair of one unit");
    table.table.set(source, destination, pairvalue(line.value, line.place));
    std::erase(table.holes, std::make_pair(source, destination));
  }
  if (!table.holes.empty())
    fail(file.gridplace, "a grid's cell \"-\" off the diagonal needs its pair");
  return table;
}

}  // namespace merovane::gen
