// What a rule-built table is worked out from, as data: every unit's size in one unit of the
// table's reference column, and the pairs set on top of the rule. The category's record and
// merovane-tablegen both read it; the rule itself (how a quotient is rounded) lives in tablegen.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

#include "core/conversiontable.h"
#include "core/definition.h"

namespace merovane {

// A pair the rule does not give, with the expression the table holds for it.
struct RuleCell {
  int source;
  int destination;
  PairCell cell;
};

// The value times `factors` in turn, then rounded to `places` decimal places if given.
constexpr RuleCell rulechain(int source, int destination, std::initializer_list<double> factors,
                             int places = kNoRounding) {
  RuleCell rule{source, destination, {PairExpression::Kind::Product, std::int8_t(places), 0, {}}};
  for (double factor : factors) rule.cell.factors[rule.cell.count++] = factor;
  return rule;
}
constexpr RuleCell ruleconstant(int source, int destination, double factor) {
  return rulechain(source, destination, {factor});
}
constexpr RuleCell ruleunchanged(int source, int destination) {
  return {source, destination, {PairExpression::Kind::Unchanged, kNoRounding, 0, {}}};
}
constexpr RuleCell ruledoubled(int source, int destination) {
  return {source, destination, {PairExpression::Kind::Doubled, kNoRounding, 0, {}}};
}

// A rule-built table's reference column. A column entry of one decimal is a figure written to
// its last digit; an entry of several terms is an exact quotient of the table's own base values.
struct RuleData {
  std::span<const ExactProduct> reference;  // each unit's size, in the column's unit
  int columnunit;                           // the unit the column counts in (its entry is 1)
  std::string_view symbol;                  // that unit's symbol, for messages and the manual
  std::span<const RuleCell> cells;          // the pairs set on top of the rule, in order
};

}  // namespace merovane
