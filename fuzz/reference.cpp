#include "fuzz/reference.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace merovane::fuzz {
namespace {

// Beyond these the exact value takes too long to work out; the grammar is still checked.
constexpr size_t kLongestExactText = 1000;
constexpr long kLargestExactExponent = 1000;

bool isdigit(char c) {
  return c >= '0' && c <= '9';
}

mpz_class powerof10(unsigned long exponent) {
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 10, exponent);
  return power;
}

}  // namespace

Spelled spelled(std::string_view text) {
  Spelled result;
  size_t begin = 0, end = text.size();
  while (begin < end && (text[begin] == ' ' || text[begin] == '\t')) ++begin;
  while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;

  size_t at = begin;
  if (at < end && (text[at] == '+' || text[at] == '-')) result.negative = text[at++] == '-';
  mpz_class digits = 0;
  long places = 0;  // digits after the point
  size_t count = 0;
  const bool exactwanted = text.size() <= kLongestExactText;
  for (; at < end && isdigit(text[at]); ++at, ++count)
    if (exactwanted) digits = digits * 10 + (text[at] - '0');
  if (at < end && text[at] == '.') {
    for (++at; at < end && isdigit(text[at]); ++at, ++count, ++places)
      if (exactwanted) digits = digits * 10 + (text[at] - '0');
  }
  if (count == 0) return result;

  long exponent = 0;
  bool exponentfits = true;
  if (at < end && (text[at] == 'E' || text[at] == 'e')) {
    ++at;
    bool negative = false;
    if (at < end && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    size_t exponentdigits = 0;
    for (; at < end && isdigit(text[at]); ++at, ++exponentdigits) {
      if (!exponentfits) continue;
      exponent = exponent * 10 + (text[at] - '0');
      exponentfits = exponent <= 100 * kLargestExactExponent;
    }
    if (exponentdigits == 0) return result;
    if (negative) exponent = -exponent;
  }
  if (at != end) return result;
  result.number = true;

  const long scale = exponent - places;
  if (!exactwanted || !exponentfits || scale > kLargestExactExponent ||
      scale < -kLargestExactExponent - static_cast<long>(kLongestExactText))
    return result;
  mpq_class value = scale >= 0 ? mpq_class(digits * powerof10(static_cast<unsigned long>(scale)))
                               : mpq_class(digits, powerof10(static_cast<unsigned long>(-scale)));
  value.canonicalize();
  result.exact = result.negative ? mpq_class(-value) : value;
  return result;
}

bool isnearest(double candidate, const mpq_class& exact) {
  if (!std::isfinite(candidate)) return false;
  const mpq_class error = abs(mpq_class(candidate) - exact);
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  for (double neighbour :
       {std::nextafter(candidate, -kInfinity), std::nextafter(candidate, kInfinity)}) {
    if (!std::isfinite(neighbour)) continue;
    const mpq_class other = abs(mpq_class(neighbour) - exact);
    if (other < error) return false;
    if (other == error && (std::bit_cast<std::uint64_t>(candidate) & 1) != 0) return false;
  }
  return true;
}

const mpq_class& overflowthreshold() {
  static const mpq_class threshold = [] {
    mpz_class high, low;
    mpz_ui_pow_ui(high.get_mpz_t(), 2, 1024);
    mpz_ui_pow_ui(low.get_mpz_t(), 2, 970);
    return mpq_class(high - low);
  }();
  return threshold;
}

mpq_class roundedplaces(double value, int places) {
  const mpz_class scale = powerof10(static_cast<unsigned long>(places));
  const mpq_class scaled = mpq_class(value) * scale;
  mpz_class whole;
  mpz_fdiv_q(whole.get_mpz_t(), scaled.get_num_mpz_t(), scaled.get_den_mpz_t());
  const mpq_class rest = scaled - whole;
  const mpq_class half(1, 2);
  if (rest > half || (rest == half && mpz_odd_p(whole.get_mpz_t()))) ++whole;
  mpq_class rounded(whole, scale);
  rounded.canonicalize();
  return rounded;
}

}  // namespace merovane::fuzz
