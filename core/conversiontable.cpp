#include "core/conversiontable.h"

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

double ConversionTable::constant(int source, int destination) const {
  const PairExpression& expression = at(source, destination);
  if (expression.kind() != PairExpression::Kind::Product || expression.factorcount() != 1 ||
      expression.places() != kNoRounding)
    return 0;
  return expression.factor(0);
}

}  // namespace merovane
