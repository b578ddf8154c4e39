// Exact rational arithmetic for building rule tables: reference values written as decimals,
// their exact quotients, and the roundings the tables use, never touching a double until the
// final "double nearest to" step.
#pragma once

#include <gmpxx.h>

#include <string>
#include <string_view>
#include <utility>

namespace merovane {

enum class Rounding {
  HalfUp,            // an exact half goes toward +infinity
  HalfAwayFromZero,  // an exact half goes away from zero
  HalfEven,          // to nearest, an exact half to the even neighbour
};

class ExactDecimal {
 public:
  ExactDecimal() = default;
  ExactDecimal(long whole) : value_(whole) {}  // NOLINT: whole numbers read as themselves
  // A plain decimal text: optional "-", digits, optional "." and digits ("4.2333333").
  static ExactDecimal parse(std::string_view decimal);
  // Any rational.
  static ExactDecimal of(mpq_class value) { return ExactDecimal(std::move(value)); }
  const mpq_class& rational() const { return value_; }

  friend ExactDecimal operator+(const ExactDecimal& a, const ExactDecimal& b);
  friend ExactDecimal operator-(const ExactDecimal& a, const ExactDecimal& b);
  friend ExactDecimal operator*(const ExactDecimal& a, const ExactDecimal& b);
  friend ExactDecimal operator/(const ExactDecimal& a, const ExactDecimal& b);
  friend bool operator==(const ExactDecimal& a, const ExactDecimal& b) {
    return a.value_ == b.value_;
  }
  friend bool operator<(const ExactDecimal& a, const ExactDecimal& b) {
    return a.value_ < b.value_;
  }
  friend bool operator>=(const ExactDecimal& a, const ExactDecimal& b) { return !(a < b); }

  bool iszero() const { return sgn(value_) == 0; }

  // Rounded to `places` decimal places.
  ExactDecimal roundplaces(int places, Rounding mode) const;
  // Rounded to `digits` significant digits (zero stays zero).
  ExactDecimal roundsignificant(int digits, Rounding mode) const;
  // The count of significant digits of a terminating decimal (0 for zero).
  int significantdigits() const;

  // The double nearest to this value (an exact half to even), as a correct decimal reader gives;
  // any rational, not only a terminating decimal.
  double nearestdouble() const;
  // The exact decimal text of a terminating decimal ("0.00000000393700787", "-2.5").
  std::string text() const;

 private:
  explicit ExactDecimal(mpq_class value) : value_(std::move(value)) { value_.canonicalize(); }
  // The integer nearest to value_, ties broken by `mode`.
  static mpz_class roundinteger(const mpq_class& value, Rounding mode);

  mpq_class value_;
};

}  // namespace merovane
