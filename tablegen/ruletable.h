// Tables built by a rule over a reference column: every pair's constant is the double nearest
// to rule(r(i) / r(j)), the quotient worked out exactly.
#pragma once

#include <functional>
#include <initializer_list>
#include <span>
#include <string_view>
#include <vector>

#include "categories/ruledata.h"
#include "core/conversiontable.h"
#include "core/definition.h"
#include "tablegen/exactdecimal.h"

namespace merovane {

using ExactRule = std::function<ExactDecimal(const ExactDecimal& quotient)>;

// The reference column from decimal texts, e.g. {"0.0000001", "0.001", "4.2333333"}.
std::vector<ExactDecimal> decimals(std::initializer_list<std::string_view> texts);

// The exact value of a product of decimal powers.
ExactDecimal exactvalue(const ExactProduct& product);

// The reference column from its data, each entry worked out exactly.
std::vector<ExactDecimal> exactcolumn(std::span<const ExactProduct> reference);

// The pairs a table sets on top of its rule, in their order.
void setrulecells(ConversionTable& table, std::span<const RuleCell> cells);

// The exact constant the rule gives for (source, destination).
ExactDecimal ruleconstant(const std::vector<ExactDecimal>& reference, const ExactRule& rule,
                          int source, int destination);

// A table with a single constant for every pair of different units.
ConversionTable ruletable(const std::vector<ExactDecimal>& reference, const ExactRule& rule);

}  // namespace merovane
