#include "core/conversiontable.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <stdexcept>

#include "core/runtime.h"

namespace merovane {

PairExpression PairExpression::chain(std::initializer_list<double> factors, int places) {
  if (factors.size() == 0 || factors.size() > 4)
    throw std::length_error("a chain has 1 to 4 factors");
  PairExpression expression(Kind::Product);
  for (double factor : factors) expression.factors_[expression.count_++] = factor;
  expression.places_ = static_cast<std::int8_t>(places);
  return expression;
}

PairExpression PairExpression::offset(double c, double k) {
  PairExpression expression(Kind::Offset);
  expression.factors_ = {c, k, 0, 0};
  expression.count_ = 2;
  return expression;
}

PairExpression PairExpression::fromcell(const PairCell& cell) {
  if (cell.count > cell.factors.size()) throw std::length_error("a cell has 0 to 4 factors");
  PairExpression expression(cell.kind);
  expression.places_ = cell.places;
  expression.count_ = cell.count;
  expression.factors_ = cell.factors;
  return expression;
}

PairCell PairExpression::cell() const {
  return PairCell{kind_, places_, count_, factors_};
}

double PairExpression::apply(double value) const {
  switch (kind_) {
    case Kind::Unchanged:
      return value;
    case Kind::Doubled:
      return checkfloat(value + value);
    case Kind::Offset:
      return checkfloat(factors_[0] + (value - 1) * factors_[1]);
    case Kind::Product:
      break;
  }
  double product = value;
  for (int index = 0; index < count_; ++index) product = checkfloat(product * factors_[index]);
  return places_ == kNoRounding ? product : roundto(product, places_);
}

ConversionTable::ConversionTable(int units, std::span<const PairCell> cells) : units_(units) {
  if (units < 0 || cells.size() != static_cast<size_t>(units * units))
    throw std::length_error("a table of n units has n * n cells");
  cells_.reserve(cells.size());
  for (const PairCell& cell : cells) cells_.push_back(PairExpression::fromcell(cell));
}

double ConversionTable::constant(int source, int destination) const {
  const PairExpression& expression = at(source, destination);
  if (expression.kind() != PairExpression::Kind::Product || expression.factorcount() != 1 ||
      expression.places() != kNoRounding)
    return 0;
  return expression.factor(0);
}

namespace {

// Whether every cell of the table converts `value` without an error.
bool gridconverts(const ConversionTable& table, double value) {
  try {
    for (int source = 0; source < table.units(); ++source)
      for (int destination = 0; destination < table.units(); ++destination)
        table.convert(source, destination, value);
    return true;
  } catch (const RuntimeError&) {
    return false;
  }
}

// The value of largest magnitude, on the side of zero that `sign` gives, that every cell
// converts.
double gridlimit(const ConversionTable& table, double sign) {
  // The finite doubles of one sign are ordered as their bit patterns.
  std::uint64_t good = 0, bad = std::bit_cast<std::uint64_t>(HUGE_VAL);
  const auto value = [sign](std::uint64_t bits) { return sign * std::bit_cast<double>(bits); };
  while (bad - good > 1) {
    const std::uint64_t middle = good + (bad - good) / 2;
    (gridconverts(table, value(middle)) ? good : bad) = middle;
  }
  return value(good);
}

}  // namespace

GridRange gridrange(const ConversionTable& table) {
  return {gridlimit(table, -1), gridlimit(table, 1)};
}

}  // namespace merovane
