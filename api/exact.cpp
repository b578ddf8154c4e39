#include "api/exact.h"

#include <stdexcept>

namespace merovane {
namespace {

[[noreturn]] void overflow() {
  throw std::overflow_error("too large to work out exactly");
}

}  // namespace

Whole Whole::ofdigits(std::string_view digits) {
  Whole value;
  const Whole ten(10);
  for (char c : digits) value = value * ten + Whole(static_cast<std::uint32_t>(c - '0'));
  return value;
}

Whole Whole::poweroften(int exponent) {
  Whole value(1);
  const Whole ten(10);
  for (int at = 0; at < exponent; ++at) value = value * ten;
  return value;
}

bool Whole::iszero() const {
  for (std::uint32_t limb : limbs_)
    if (limb != 0) return false;
  return true;
}

int compare(const Whole& a, const Whole& b) {
  for (size_t at = Whole::kLimbs; at-- > 0;)
    if (a.limbs_[at] != b.limbs_[at]) return a.limbs_[at] < b.limbs_[at] ? -1 : 1;
  return 0;
}

Whole operator+(const Whole& a, const Whole& b) {
  Whole sum;
  std::uint64_t carry = 0;
  for (size_t at = 0; at < Whole::kLimbs; ++at) {
    carry += std::uint64_t{a.limbs_[at]} + b.limbs_[at];
    sum.limbs_[at] = static_cast<std::uint32_t>(carry);
    carry >>= 32;
  }
  if (carry != 0) overflow();
  return sum;
}

Whole operator-(const Whole& a, const Whole& b) {
  Whole difference;
  std::int64_t borrow = 0;
  for (size_t at = 0; at < Whole::kLimbs; ++at) {
    std::int64_t limb = std::int64_t{a.limbs_[at]} - b.limbs_[at] - borrow;
    borrow = limb < 0 ? 1 : 0;
    difference.limbs_[at] = static_cast<std::uint32_t>(limb + (borrow << 32));
  }
  return difference;
}

Whole operator*(const Whole& a, const Whole& b) {
  const int alength = (a.bitlength() + 31) / 32, blength = (b.bitlength() + 31) / 32;
  if (alength + blength > Whole::kLimbs + 1) overflow();
  std::array<std::uint64_t, 2 * Whole::kLimbs> wide{};
  for (int i = 0; i < alength; ++i) {
    std::uint64_t carry = 0;
    for (int j = 0; j < blength; ++j) {
      const size_t at = static_cast<size_t>(i + j);
      carry += wide[at] +
               std::uint64_t{a.limbs_[static_cast<size_t>(i)]} * b.limbs_[static_cast<size_t>(j)];
      wide[at] = static_cast<std::uint32_t>(carry);
      carry >>= 32;
    }
    wide[static_cast<size_t>(i + blength)] += carry;
  }
  Whole product;
  for (size_t at = 0; at < wide.size(); ++at) {
    if (at >= Whole::kLimbs) {
      if (wide[at] != 0) overflow();
    } else {
      product.limbs_[at] = static_cast<std::uint32_t>(wide[at]);
    }
  }
  return product;
}

int Whole::bitlength() const {
  for (int at = kLimbs; at-- > 0;)
    if (limbs_[static_cast<size_t>(at)] != 0)
      return at * 32 + 32 - __builtin_clz(limbs_[static_cast<size_t>(at)]);
  return 0;
}

int Whole::trailingzeros() const {
  for (int at = 0; at < kLimbs; ++at)
    if (limbs_[static_cast<size_t>(at)] != 0)
      return at * 32 + __builtin_ctz(limbs_[static_cast<size_t>(at)]);
  return 0;
}

void Whole::shiftleft(int bits) {
  const int limbs = bits / 32, within = bits % 32;
  for (int at = kLimbs; at-- > 0;) {
    const int from = at - limbs;
    const std::uint32_t high = from >= 0 ? limbs_[static_cast<size_t>(from)] : 0;
    const std::uint32_t low = from >= 1 ? limbs_[static_cast<size_t>(from - 1)] : 0;
    limbs_[static_cast<size_t>(at)] =
        within == 0 ? high : (high << within) | (low >> (32 - within));
  }
}

void Whole::shiftright(int bits) {
  const int limbs = bits / 32, within = bits % 32;
  for (int at = 0; at < kLimbs; ++at) {
    const int from = at + limbs;
    const std::uint32_t low = from < kLimbs ? limbs_[static_cast<size_t>(from)] : 0;
    const std::uint32_t high = from + 1 < kLimbs ? limbs_[static_cast<size_t>(from + 1)] : 0;
    limbs_[static_cast<size_t>(at)] = within == 0 ? low : (low >> within) | (high << (32 - within));
  }
}

Whole divide(const Whole& dividend, const Whole& divisor, Whole& remainder) {
  Whole quotient;
  remainder = Whole();
  for (int at = dividend.bitlength(); at-- > 0;) {
    remainder.shiftleft(1);
    remainder.limbs_[0] |= dividend.bit(at) ? 1 : 0;
    if (compare(remainder, divisor) >= 0) {
      remainder = remainder - divisor;
      quotient.limbs_[static_cast<size_t>(at / 32)] |= std::uint32_t{1} << (at % 32);
    }
  }
  return quotient;
}

Whole gcd(Whole a, Whole b) {
  if (a.iszero()) return b;
  if (b.iszero()) return a;
  const int twos = std::min(a.trailingzeros(), b.trailingzeros());
  a.shiftright(a.trailingzeros());
  while (!b.iszero()) {
    b.shiftright(b.trailingzeros());
    if (compare(a, b) > 0) std::swap(a, b);
    b = b - a;
  }
  a.shiftleft(twos);
  return a;
}

std::uint32_t Whole::dividesmall(std::uint32_t divisor) {
  std::uint64_t rest = 0;
  for (size_t at = kLimbs; at-- > 0;) {
    rest = (rest << 32) | limbs_[at];
    limbs_[at] = static_cast<std::uint32_t>(rest / divisor);
    rest %= divisor;
  }
  return static_cast<std::uint32_t>(rest);
}

std::string Whole::digits() const {
  if (iszero()) return "0";
  std::string text;
  Whole rest = *this;
  // Nine digits at a time.
  while (!rest.iszero()) {
    std::uint32_t nine = rest.dividesmall(1000000000);
    for (int digit = 0; digit < 9; ++digit, nine /= 10) text += static_cast<char>('0' + nine % 10);
  }
  while (text.size() > 1 && text.back() == '0') text.pop_back();
  return std::string(text.rbegin(), text.rend());
}

Exact Exact::oftext(std::string_view text) {
  Exact value;
  const size_t slash = text.find('/');
  if (slash != std::string_view::npos) {
    Exact numerator = oftext(text.substr(0, slash)), denominator = oftext(text.substr(slash + 1));
    if (denominator.iszero()) throw std::invalid_argument("a fraction over zero");
    return numerator / denominator;
  }
  size_t at = 0;
  if (at < text.size() && (text[at] == '-' || text[at] == '+')) value.negative = text[at++] == '-';
  std::string digits;
  int exponent = 0;
  bool point = false, any = false;
  for (; at < text.size() && text[at] != 'e' && text[at] != 'E'; ++at) {
    const char c = text[at];
    if (c == '.' && !point) {
      point = true;
    } else if (c >= '0' && c <= '9') {
      any = true;
      if (digits.empty() && c == '0') {
        if (point) --exponent;
        continue;
      }
      digits += c;
      if (point) --exponent;
    } else {
      throw std::invalid_argument("not a number");
    }
  }
  if (!any) throw std::invalid_argument("not a number");
  if (at < text.size()) {
    std::string_view rest = text.substr(at + 1);
    bool below = false;
    if (!rest.empty() && (rest[0] == '-' || rest[0] == '+')) {
      below = rest[0] == '-';
      rest.remove_prefix(1);
    }
    if (rest.empty() || rest.size() > 2) throw std::invalid_argument("not an exponent");
    int written = 0;
    for (char c : rest) {
      if (c < '0' || c > '9') throw std::invalid_argument("not an exponent");
      written = written * 10 + (c - '0');
    }
    exponent += below ? -written : written;
  }
  if (digits.size() > 40) throw std::invalid_argument("more than 40 significant digits");
  if (exponent > 60 || exponent < -100) throw std::invalid_argument("an exponent out of range");
  value.numerator = Whole::ofdigits(digits);
  if (exponent >= 0)
    value.numerator = value.numerator * Whole::poweroften(exponent);
  else
    value.denominator = Whole::poweroften(-exponent);
  return value.reduced();
}

Exact Exact::reduced() const {
  if (numerator.iszero()) return Exact{};
  const Whole common = gcd(numerator, denominator);
  Whole unused;
  return Exact{negative, divide(numerator, common, unused), divide(denominator, common, unused)};
}

Exact operator+(const Exact& a, const Exact& b) {
  const Whole left = a.numerator * b.denominator, right = b.numerator * a.denominator;
  const Whole denominator = a.denominator * b.denominator;
  if (a.negative == b.negative) return Exact{a.negative, left + right, denominator}.reduced();
  if (compare(left, right) >= 0) return Exact{a.negative, left - right, denominator}.reduced();
  return Exact{b.negative, right - left, denominator}.reduced();
}

Exact operator*(const Exact& a, const Exact& b) {
  // Cross-reduced first, so that the products stay as small as the result.
  Whole unused;
  const Whole ab = gcd(a.numerator, b.denominator), ba = gcd(b.numerator, a.denominator);
  if (a.iszero() || b.iszero()) return Exact{};
  return Exact{a.negative != b.negative,
               divide(a.numerator, ab, unused) * divide(b.numerator, ba, unused),
               divide(a.denominator, ba, unused) * divide(b.denominator, ab, unused)};
}

Exact operator/(const Exact& a, const Exact& b) {
  return a * Exact{b.negative, b.denominator, b.numerator};
}

int compare(const Exact& a, const Exact& b) {
  const bool anegative = a.negative && !a.iszero(), bnegative = b.negative && !b.iszero();
  if (anegative != bnegative) return anegative ? -1 : 1;
  const int magnitude = compare(a.numerator * b.denominator, b.numerator * a.denominator);
  return anegative ? -magnitude : magnitude;
}

Whole Exact::floor() const {
  Whole unused;
  return divide(numerator, denominator, unused);
}

namespace {

// |value| (not zero) rounded to `digits` significant digits, half to even: its digits without
// trailing zeros and the decimal exponent of the first.
std::string roundeddigits(const Exact& value, int digits, int& exponent) {
  // The decimal exponent: 10^exponent <= |value| < 10^(exponent + 1).
  const Exact magnitude{false, value.numerator, value.denominator};
  // Within one of the difference of the digits' counts.
  exponent = static_cast<int>(value.numerator.digits().size()) -
             static_cast<int>(value.denominator.digits().size());
  const auto power = [](int exponent) {
    return exponent >= 0 ? Exact{false, Whole::poweroften(exponent), Whole(1)}
                         : Exact{false, Whole(1), Whole::poweroften(-exponent)};
  };
  while (compare(magnitude, power(exponent)) < 0) --exponent;
  while (compare(magnitude, power(exponent + 1)) >= 0) ++exponent;
  // |value| scaled to `digits` whole digits, rounded half to even.
  const int shift = digits - 1 - exponent;
  const Exact scaled = shift >= 0 ? magnitude * Exact{false, Whole::poweroften(shift), Whole(1)}
                                  : magnitude / Exact{false, Whole::poweroften(-shift), Whole(1)};
  Whole remainder;
  Whole whole = divide(scaled.numerator, scaled.denominator, remainder);
  const int half = compare(remainder + remainder, scaled.denominator);
  if (half > 0 || (half == 0 && (whole.digits().back() - '0') % 2 == 1)) whole = whole + Whole(1);
  std::string text = whole.digits();
  if (static_cast<int>(text.size()) > digits) {  // rounded up to the next power of ten
    text.pop_back();
    ++exponent;
  }
  while (text.size() > 1 && text.back() == '0') text.pop_back();
  return text;
}

}  // namespace

Exact rounded(const Exact& value, int digits) {
  if (value.iszero()) return Exact{};
  int exponent = 0;
  const std::string text = roundeddigits(value, digits, exponent);
  const int shift = exponent + 1 - static_cast<int>(text.size());
  Exact result{value.negative, Whole::ofdigits(text), Whole(1)};
  if (shift >= 0) return result * Exact{false, Whole::poweroften(shift), Whole(1)};
  return result / Exact{false, Whole::poweroften(-shift), Whole(1)};
}

std::string roundedtext(const Exact& value, int digits) {
  if (value.iszero()) return "0";
  int exponent = 0;
  const std::string text = roundeddigits(value, digits, exponent);
  std::string out = value.negative ? "-" : "";
  if (exponent < -4 || exponent >= digits) {
    out += text.substr(0, 1);
    if (text.size() > 1) out.append(".").append(text, 1);
    const int shown = exponent < 0 ? -exponent : exponent;
    out += exponent < 0 ? "E-" : "E+";
    if (shown < 10) out += '0';
    return out + std::to_string(shown);
  }
  if (exponent < 0) return out + "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + text;
  if (static_cast<int>(text.size()) <= exponent + 1)
    return out + text + std::string(static_cast<size_t>(exponent + 1) - text.size(), '0');
  return out + text.substr(0, static_cast<size_t>(exponent + 1)) + "." +
         text.substr(static_cast<size_t>(exponent + 1));
}

}  // namespace merovane
