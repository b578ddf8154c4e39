#include "core/precise.h"

#include <cmath>
#include <cstdlib>
#include <stdexcept>

#include "core/runtime.h"

namespace merovane {
namespace {

using int128 = __int128;

[[noreturn]] void toolarge() {
  throw std::domain_error("a definition's numbers outgrow the exact evaluation");
}

int128 multiply(int128 a, int128 b) {
  int128 product;
  if (__builtin_mul_overflow(a, b, &product)) toolarge();
  return product;
}

int128 add(int128 a, int128 b) {
  int128 sum;
  if (__builtin_add_overflow(a, b, &sum)) toolarge();
  return sum;
}

int128 gcd(int128 a, int128 b) {
  if (a < 0) a = -a;
  if (b < 0) b = -b;
  while (b != 0) {
    const int128 rest = a % b;
    a = b;
    b = rest;
  }
  return a;
}

// An exact rational in lowest terms, its denominator positive.
struct Rational {
  int128 num = 0, den = 1;

  static Rational of(int128 num, int128 den) {
    if (den < 0) num = -num, den = -den;
    const int128 common = gcd(num, den);
    return common > 1 ? Rational{num / common, den / common} : Rational{num, den};
  }
  Rational operator*(const Rational& other) const {
    return of(multiply(num, other.num), multiply(den, other.den));
  }
  Rational operator/(const Rational& other) const {
    if (other.num == 0) throw std::domain_error("a unit of size zero");
    return of(multiply(num, other.den), multiply(den, other.num));
  }
  Rational operator-(const Rational& other) const {
    return of(add(multiply(num, other.den), -multiply(other.num, den)), multiply(den, other.den));
  }
};

int128 powerof10(int exponent) {
  int128 power = 1;
  for (; exponent > 0; --exponent) power = multiply(power, 10);
  return power;
}

// A decimal constant as written: digits with an optional point and an optional exponent.
Rational decimal(std::string_view text) {
  int128 digits = 0;
  int exponent = 0;
  size_t at = 0;
  bool any = false, point = false;
  for (; at < text.size(); ++at) {
    const char c = text[at];
    if (c == '.' && !point) {
      point = true;
    } else if (c >= '0' && c <= '9') {
      digits = add(multiply(digits, 10), c - '0');
      exponent -= point ? 1 : 0;
      any = true;
    } else {
      break;
    }
  }
  if (at < text.size() && (text[at] == 'E' || text[at] == 'e'))
    exponent += std::atoi(std::string(text.substr(at + 1)).c_str());
  else if (at != text.size() || !any)
    throw std::domain_error("not a decimal constant: " + std::string(text));
  return exponent >= 0 ? Rational{multiply(digits, powerof10(exponent)), 1}
                       : Rational::of(digits, powerof10(-exponent));
}

Rational exact(const ExactProduct& product) {
  Rational value{1, 1};
  for (int at = 0; at < product.count; ++at) {
    const DecimalPower& term = product.terms[static_cast<size_t>(at)];
    const Rational base = decimal(term.decimal);
    for (int n = 0; n < std::abs(term.power); ++n)
      value = term.power > 0 ? value * base : value / base;
  }
  return value;
}

constexpr int128 kExactWhole = int128{1} << 53;  // doubles hold every whole number up to it

double whole(int128 n) {
  if (n > kExactWhole || n < -kExactWhole) toolarge();
  return static_cast<double>(n);
}

}  // namespace

PreciseMap PreciseMap::affine(double p, double r, double q) {
  for (double n : {p, r, q})
    if (n != std::trunc(n) || std::fabs(n) > 0x1p53) toolarge();
  if (!(q > 0)) throw std::domain_error("an affine map divides by a positive whole number");
  return PreciseMap(Kind::Affine, p, r, q);
}

PreciseMap PreciseMap::between(const Definition& from, const Definition& to) {
  // destination = (reading * from.size + from.offset - to.offset) / to.size
  const Rational size = exact(from.size) / exact(to.size);
  const Rational shift = (exact(from.offset) - exact(to.offset)) / exact(to.size);
  // = (p * reading + r) / q with p / q = size and r / q = shift, in lowest terms
  int128 p = multiply(size.num, shift.den), r = multiply(shift.num, size.den);
  int128 q = multiply(size.den, shift.den);
  const int128 common = gcd(gcd(p, r), q);
  p /= common, r /= common, q /= common;
  return affine(whole(p), whole(r), whole(q));
}

double PreciseMap::apply(double value) const {
  switch (kind_) {
    case Kind::Unchanged:
      return value;
    case Kind::Ratio:
      return checkfloat(value * p_);
    case Kind::Affine:
      break;
  }
  // Near the top of the range, scaled down by a power of two (exactly) so that p * value stays
  // finite wherever the result is.
  double x = value, r = r_, scale = 1;
  if (std::fabs(x) > 0x1p960) x *= 0x1p-64, r *= 0x1p-64, scale = 0x1p64;
  // p * x + r as an unevaluated sum hi + lo, exact but for a part far below hi's last place:
  // p * x = ph + pl exactly (fma), ph + r = s + e exactly (two-sum).
  const double ph = p_ * x;
  const double pl = std::fma(p_, x, -ph);
  const double s = ph + r;
  const double sr = s - ph;
  const double e = (ph - (s - sr)) + (r - sr);
  const double t = e + pl;
  const double hi = s + t;
  const double tr = hi - s;
  const double lo = (s - (hi - tr)) + (t - tr);
  // One division, corrected by its exact remainder: the quotient's last place is right but for
  // the rare case the correction tips a rounding.
  const double y = hi / q_;
  const double remainder = std::fma(-y, q_, hi);
  return checkfloat((y + (remainder + lo) / q_) * scale);
}

}  // namespace merovane
