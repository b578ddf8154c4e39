// A category's conversion table: for every ordered pair of different units, the expression that
// gives the destination value. Most pairs multiply by one constant; some multiply a chain of
// constants left to right, round the product, take the value unchanged or double it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

namespace merovane {

inline constexpr int kNoRounding = -1;

struct PairCell;

class PairExpression {
 public:
  enum class Kind : std::uint8_t { Unchanged, Product, Doubled, Offset };

  static PairExpression unchanged() { return PairExpression(Kind::Unchanged); }
  static PairExpression doubled() { return PairExpression(Kind::Doubled); }
  // c + (value - 1) * k, evaluated in that order: a reading of 1 gives c itself.
  static PairExpression offset(double c, double k);
  static PairExpression constant(double factor) { return chain({factor}); }
  // The value times each factor in turn, then rounded to `places` decimal places if given.
  static PairExpression chain(std::initializer_list<double> factors, int places = kNoRounding);
  // The expression a table written out as constant data holds; cell() gives it back.
  static PairExpression fromcell(const PairCell& cell);
  PairCell cell() const;

  // The pair's result for `value`, with the floating-point check after every product; raises
  // the floating-point error on overflow.
  double apply(double value) const;

  Kind kind() const { return kind_; }
  int places() const { return places_; }
  int factorcount() const { return count_; }
  double factor(int index) const { return factors_[static_cast<size_t>(index)]; }

 private:
  explicit PairExpression(Kind kind) : kind_(kind) {}

  Kind kind_ = Kind::Product;
  std::int8_t places_ = kNoRounding;
  std::uint8_t count_ = 0;
  std::array<double, 4> factors_{};
};

// A pair's expression as plain constant data, for tables prebuilt at build time.
struct PairCell {
  PairExpression::Kind kind = PairExpression::Kind::Unchanged;
  std::int8_t places = kNoRounding;
  std::uint8_t count = 0;
  std::array<double, 4> factors{};
};

class ConversionTable {
 public:
  explicit ConversionTable(int units)
      : units_(units), cells_(static_cast<size_t>(units * units), PairExpression::unchanged()) {}
  // A table from its units * units cells, row by row; throws std::length_error on another count.
  ConversionTable(int units, std::span<const PairCell> cells);

  int units() const { return units_; }
  const PairExpression& at(int source, int destination) const {
    return cells_[static_cast<size_t>(source * units_ + destination)];
  }
  void set(int source, int destination, const PairExpression& expression) {
    cells_[static_cast<size_t>(source * units_ + destination)] = expression;
  }
  // The single constant of a pair; 0 for a pair that is not a single product.
  double constant(int source, int destination) const;

  // The result for a pair: the value itself on the diagonal, else the pair's expression.
  double convert(int source, int destination, double value) const {
    return source == destination ? value : at(source, destination).apply(value);
  }

 private:
  int units_;
  std::vector<PairExpression> cells_;
};

// The values every cell of a table converts, from lowest to highest; past them some cell
// overflows, and so, in a result grid, every pair fails. A product only grows with its factor's
// magnitude, so the values that convert are one interval around zero.
struct GridRange {
  double lowest = 0, highest = 0;
  constexpr bool holds(double value) const { return value >= lowest && value <= highest; }
};
// Worked out by bisection over the doubles, with every cell tried at each step: the build does
// it once for each table and keeps the figures in the category's record.
GridRange gridrange(const ConversionTable& table);

}  // namespace merovane
