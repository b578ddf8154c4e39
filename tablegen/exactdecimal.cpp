#include "tablegen/exactdecimal.h"

#include <cmath>
#include <stdexcept>

namespace merovane {
namespace {

mpz_class powerof10(unsigned long exponent) {
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 10, exponent);
  return power;
}

// 10^exponent for any sign of exponent, exactly.
mpq_class scale10(long exponent) {
  if (exponent >= 0) return mpq_class(powerof10(exponent));
  return mpq_class(mpz_class(1), powerof10(-exponent));
}

// The decimal exponent e with 10^e <= |value| < 10^(e+1), for a nonzero value.
long decimalexponent(const mpq_class& value) {
  const mpq_class magnitude = abs(value);
  long exponent =
      static_cast<long>(mpz_sizeinbase(mpz_class(magnitude.get_num()).get_mpz_t(), 10)) -
      static_cast<long>(mpz_sizeinbase(mpz_class(magnitude.get_den()).get_mpz_t(), 10));
  // mpz_sizeinbase may be one too large; settle the estimate exactly.
  while (magnitude < scale10(exponent)) --exponent;
  while (magnitude >= scale10(exponent + 1)) ++exponent;
  return exponent;
}

}  // namespace

ExactDecimal ExactDecimal::parse(std::string_view decimal) {
  std::string digits;
  long places = 0;
  bool negative = false, point = false;
  for (size_t at = 0; at < decimal.size(); ++at) {
    const char c = decimal[at];
    if (c == '-' && at == 0) {
      negative = true;
    } else if (c == '.' && !point) {
      point = true;
    } else if (c >= '0' && c <= '9') {
      digits += c;
      if (point) ++places;
    } else {
      throw std::invalid_argument("not a plain decimal: " + std::string(decimal));
    }
  }
  if (digits.empty()) throw std::invalid_argument("not a plain decimal: " + std::string(decimal));
  mpq_class value(mpz_class(digits, 10), powerof10(places));
  if (negative) value = -value;
  return ExactDecimal(value);
}

ExactDecimal operator+(const ExactDecimal& a, const ExactDecimal& b) {
  return ExactDecimal(mpq_class(a.value_ + b.value_));
}
ExactDecimal operator-(const ExactDecimal& a, const ExactDecimal& b) {
  return ExactDecimal(mpq_class(a.value_ - b.value_));
}
ExactDecimal operator*(const ExactDecimal& a, const ExactDecimal& b) {
  return ExactDecimal(mpq_class(a.value_ * b.value_));
}
ExactDecimal operator/(const ExactDecimal& a, const ExactDecimal& b) {
  if (b.iszero()) throw std::domain_error("division by zero");
  return ExactDecimal(mpq_class(a.value_ / b.value_));
}

mpz_class ExactDecimal::roundinteger(const mpq_class& value, Rounding mode) {
  mpz_class whole;
  mpz_fdiv_q(whole.get_mpz_t(), value.get_num_mpz_t(), value.get_den_mpz_t());  // floor
  const mpq_class fraction = value - mpq_class(whole);                          // in [0, 1)
  const int half = cmp(fraction, mpq_class(1, 2));
  if (half > 0) return whole + 1;
  if (half < 0) return whole;
  switch (mode) {
    case Rounding::HalfUp:
      return whole + 1;
    case Rounding::HalfAwayFromZero:
      return sgn(value) > 0 ? mpz_class(whole + 1) : whole;
    case Rounding::HalfEven:
      return mpz_even_p(whole.get_mpz_t()) ? whole : mpz_class(whole + 1);
  }
  return whole;
}

ExactDecimal ExactDecimal::roundplaces(int places, Rounding mode) const {
  const mpq_class scale = scale10(places);
  return ExactDecimal(mpq_class(mpq_class(roundinteger(value_ * scale, mode)) / scale));
}

ExactDecimal ExactDecimal::roundsignificant(int digits, Rounding mode) const {
  if (iszero()) return *this;
  return roundplaces(static_cast<int>(digits - 1 - decimalexponent(value_)), mode);
}

int ExactDecimal::significantdigits() const {
  if (iszero()) return 0;
  const std::string digits = text();
  size_t first = digits.find_first_of("123456789");
  size_t last = digits.find_last_of("123456789");
  int count = 0;
  for (size_t at = first; at <= last; ++at) count += digits[at] != '.' ? 1 : 0;
  return count;
}

std::string ExactDecimal::text() const {
  // A terminating decimal's denominator is 2^a 5^b; scale by 10^max(a, b).
  mpz_class den = value_.get_den();
  long places = 0;
  while (mpz_divisible_ui_p(den.get_mpz_t(), 10)) den /= 10, ++places;
  while (mpz_divisible_ui_p(den.get_mpz_t(), 2)) den /= 2, ++places;
  while (mpz_divisible_ui_p(den.get_mpz_t(), 5)) den /= 5, ++places;
  if (den != 1) throw std::domain_error("not a terminating decimal");
  const mpz_class scaled = mpz_class(abs(value_) * mpq_class(powerof10(places)));
  std::string digits = scaled.get_str(10);
  if (places > 0) {
    const size_t fraction = static_cast<size_t>(places);
    if (digits.size() <= fraction) digits = std::string(fraction + 1 - digits.size(), '0') + digits;
    const size_t whole = digits.size() - fraction;
    digits = digits.substr(0, whole) + "." + digits.substr(whole);
  }
  return (sgn(value_) < 0 ? "-" : "") + digits;
}

double ExactDecimal::nearestdouble() const {
  if (iszero()) return 0;
  // m * 2^exponent with 2^52 <= m < 2^53 before m is rounded to an integer, ties to even: a
  // normal double's 53 bits, which every ratio the tables and definitions hold fits.
  const mpq_class magnitude = abs(value_);
  long exponent = static_cast<long>(mpz_sizeinbase(magnitude.get_num_mpz_t(), 2)) -
                  static_cast<long>(mpz_sizeinbase(magnitude.get_den_mpz_t(), 2)) - 52;
  const auto scaled = [&magnitude](long by) {
    mpq_class result;
    if (by >= 0)
      mpq_div_2exp(result.get_mpq_t(), magnitude.get_mpq_t(), static_cast<mp_bitcnt_t>(by));
    else
      mpq_mul_2exp(result.get_mpq_t(), magnitude.get_mpq_t(), static_cast<mp_bitcnt_t>(-by));
    return result;
  };
  const mpq_class low(mpz_class(1) << 52), high(mpz_class(1) << 53);
  while (scaled(exponent) < low) --exponent;
  while (scaled(exponent) >= high) ++exponent;
  if (exponent < -1074 || exponent > 971)
    throw std::domain_error("no normal double is near this value");
  const double nearest = std::ldexp(roundinteger(scaled(exponent), Rounding::HalfEven).get_d(),
                                    static_cast<int>(exponent));
  return sgn(value_) < 0 ? -nearest : nearest;
}

}  // namespace merovane
