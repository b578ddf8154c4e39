// A pair's precise conversion: worked out once from the two units' exact definitions, then
// applied to every value with one rounding of its own.
#pragma once

#include <cstdint>

#include "core/definition.h"

namespace merovane {

class PreciseMap {
 public:
  // The same unit on both sides: the value itself.
  static PreciseMap unchanged() { return PreciseMap(Kind::Unchanged, 1, 0, 1); }
  // The value times `ratio`, the pair's exact ratio rounded once to a double.
  static PreciseMap ratio(double ratio) { return PreciseMap(Kind::Ratio, ratio, 0, 1); }
  // (p * value + r) / q for whole numbers p, r and q > 0, each held exactly by a double;
  // throws std::domain_error on others.
  static PreciseMap affine(double p, double r, double q);
  // The exact map from one temperature scale to another (kelvin = reading * size + offset);
  // throws std::domain_error when the definitions' numbers outgrow the exact evaluation.
  static PreciseMap between(const Definition& from, const Definition& to);

  // The pair's result for `value`: the product rounded once, or the affine map within one unit
  // in the last place of its exact value (whole results exact). Raises the floating-point error
  // when the result overflows.
  double apply(double value) const;

 private:
  enum class Kind : std::uint8_t { Unchanged, Ratio, Affine };
  PreciseMap(Kind kind, double p, double r, double q) : kind_(kind), p_(p), r_(r), q_(q) {}

  Kind kind_;
  double p_, r_, q_;  // p_ is the ratio of a Ratio map
};

}  // namespace merovane
