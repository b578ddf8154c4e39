// The window's tables from their data: a rule over a column of figures (a small vocabulary of
// roundings), a grid written cell by cell (with, for temperature scales, the degree factors),
// or powers of two; then the pairs set on top, in their order.
#pragma once

#include <optional>
#include <vector>

#include "core/conversiontable.h"
#include "tablegen/exactdecimal.h"
#include "tablegen/unitmodel.h"

namespace merovane::gen {

// "places 8 even; zero: significant 9 even; from 10000000: significant 15 even; over 15:
// significant 15 away; equal: unchanged; toward UNIT: times FIGURE".
struct Rule {
  struct Clause {
    enum class When { Zero, From, Over } when;
    ExactDecimal from = 0;  // From: the quotients from this on
    int over = 0;           // Over: results of more significant digits than this
    int digits = 0;
    Rounding mode = Rounding::HalfEven;
  };
  int places = 0;
  Rounding mode = Rounding::HalfEven;
  std::vector<Clause> clauses;
  bool equalunchanged = false;  // units of one figure pass the value unchanged
  int toward = -1;              // toward this unit the figure is multiplied by `times` instead
  ExactDecimal times = 0;
  std::string timestext;

  // The constant for a pair whose figures' quotient is `quotient`.
  ExactDecimal constant(const ExactDecimal& quotient) const;
};

struct Table {
  ConversionTable table{0};
  // A rule-built table's column: each listed unit's figure, whether it is one figure as written
  // (rather than an exact quotient), and the unit the column counts in.
  std::vector<ExactDecimal> column;
  std::vector<bool> written;
  int columnunit = -1;
  std::optional<Rule> rule;
  // A temperature table's degree factors: source, destination, figure.
  struct Factor {
    int source, destination;
    double figure;
  };
  std::vector<Factor> factors;
  std::vector<std::pair<int, int>> holes;  // grid cells left to pairs
};

Table buildtable(const UnitCategory& category);

}  // namespace merovane::gen
