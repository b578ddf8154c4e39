// A pair's precise conversion: worked out once, at build time, from the two units' exact
// definitions (merovane-tablegen writes every pair's map as constant data), then applied to
// every value with one rounding of its own.
#pragma once

#include <cstdint>
#include <stdexcept>

namespace merovane {

class PreciseMap {
 public:
  // The same unit on both sides: the value itself.
  static constexpr PreciseMap unchanged() { return PreciseMap(Kind::Unchanged, 1, 0, 1); }
  // The value times `ratio`, the pair's exact ratio rounded once to a double.
  static constexpr PreciseMap ratio(double ratio) { return PreciseMap(Kind::Ratio, ratio, 0, 1); }
  // `constant` / value, for a pair of which one side counts the reciprocal of the other (litres
  // per 100 km and miles per gallon): the pair's exact constant rounded once to a double. Zero
  // fails as a division by zero does, an overflow as any other.
  static constexpr PreciseMap reciprocal(double constant) {
    return PreciseMap(Kind::Reciprocal, constant, 0, 1);
  }
  // (p * value + r) / q for whole numbers p, r and q > 0, each held exactly by a double (at most
  // 2^53); throws std::domain_error on others, which in a constant table fails to compile.
  static constexpr PreciseMap affine(double p, double r, double q) {
    for (double n : {p, r, q})
      if (!(n >= -0x1p53 && n <= 0x1p53) || n != static_cast<double>(static_cast<std::int64_t>(n)))
        throw std::domain_error("an affine map's numbers are whole and at most 2^53");
    if (!(q > 0)) throw std::domain_error("an affine map divides by a positive whole number");
    return PreciseMap(Kind::Affine, p, r, q);
  }

  // The pair's result for `value`: the product rounded once, or the affine map within one unit
  // in the last place of its exact value (whole results exact). Raises the floating-point error
  // when the result overflows.
  double apply(double value) const;

 private:
  enum class Kind : std::uint8_t { Unchanged, Ratio, Reciprocal, Affine };
  constexpr PreciseMap(Kind kind, double p, double r, double q)
      : kind_(kind), p_(p), r_(r), q_(q) {}

  Kind kind_;
  double p_, r_, q_;  // p_ is the ratio of a Ratio map, the constant of a Reciprocal one
};

}  // namespace merovane
