#include "tablegen/ruletable.h"

namespace merovane {

std::vector<ExactDecimal> decimals(std::initializer_list<std::string_view> texts) {
  std::vector<ExactDecimal> column;
  column.reserve(texts.size());
  for (std::string_view text : texts) column.push_back(ExactDecimal::parse(text));
  return column;
}

ExactDecimal exactvalue(const ExactProduct& product) {
  ExactDecimal value = 1;
  for (int at = 0; at < product.count; ++at) {
    const DecimalPower& term = product.terms[static_cast<size_t>(at)];
    const ExactDecimal decimal = ExactDecimal::parse(term.decimal);
    for (int times = 0; times < term.power; ++times) value = value * decimal;
    for (int times = 0; times > term.power; --times) value = value / decimal;
  }
  return value;
}

std::vector<ExactDecimal> exactcolumn(std::span<const ExactProduct> reference) {
  std::vector<ExactDecimal> column;
  column.reserve(reference.size());
  for (const ExactProduct& entry : reference) column.push_back(exactvalue(entry));
  return column;
}

void setrulecells(ConversionTable& table, std::span<const RuleCell> cells) {
  for (const RuleCell& rule : cells)
    table.set(rule.source, rule.destination, PairExpression::fromcell(rule.cell));
}

ExactDecimal ruleconstant(const std::vector<ExactDecimal>& reference, const ExactRule& rule,
                          int source, int destination) {
  return rule(reference[static_cast<size_t>(source)] / reference[static_cast<size_t>(destination)]);
}

ConversionTable ruletable(const std::vector<ExactDecimal>& reference, const ExactRule& rule) {
  const int units = static_cast<int>(reference.size());
  ConversionTable table(units);
  for (int i = 0; i < units; ++i)
    for (int j = 0; j < units; ++j)
      if (i != j)
        table.set(i, j,
                  PairExpression::constant(ruleconstant(reference, rule, i, j).nearestdouble()));
  return table;
}

}  // namespace merovane
