// Exact fractions of fixed width for the quantities of requests (5 ft 3 in, 1 1/2 cup): whole
// numbers of kExactBits bits and the fractions of two of them, with no big-number library. An
// operation whose result does not fit throws std::overflow_error; the request is then refused.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace merovane {

inline constexpr int kExactBits = 2048;

// A whole number from 0 to 2^kExactBits - 1.
class Whole {
 public:
  Whole() = default;
  explicit Whole(std::uint32_t value) { limbs_[0] = value; }
  // Digits only; throws std::overflow_error beyond the width.
  static Whole ofdigits(std::string_view digits);
  static Whole poweroften(int exponent);

  bool iszero() const;
  friend bool operator==(const Whole&, const Whole&) = default;
  friend int compare(const Whole& a, const Whole& b);
  friend Whole operator+(const Whole& a, const Whole& b);
  friend Whole operator-(const Whole& a, const Whole& b);  // a >= b
  friend Whole operator*(const Whole& a, const Whole& b);
  // The quotient, the remainder left in `remainder`; `divisor` is not zero.
  friend Whole divide(const Whole& dividend, const Whole& divisor, Whole& remainder);
  friend Whole gcd(Whole a, Whole b);
  std::string digits() const;

 private:
  static constexpr int kLimbs = kExactBits / 32;
  int bitlength() const;
  bool bit(int at) const { return (limbs_[static_cast<size_t>(at / 32)] >> (at % 32)) & 1; }
  int trailingzeros() const;
  void shiftleft(int bits);
  void shiftright(int bits);
  // Divides in place; returns the remainder.
  std::uint32_t dividesmall(std::uint32_t divisor);
  std::array<std::uint32_t, kLimbs> limbs_{};
};

// A fraction in lowest terms, with its sign.
struct Exact {
  bool negative = false;
  Whole numerator, denominator = Whole(1);

  // "12", "0.3048", "5/9", "-3", "1.5E-3" (at most 40 significant digits and an exponent of at
  // most 60 either way); throws std::invalid_argument on others.
  static Exact oftext(std::string_view text);
  bool iszero() const { return numerator.iszero(); }
  Exact reduced() const;
  friend Exact operator+(const Exact& a, const Exact& b);
  friend Exact operator-(const Exact& a, const Exact& b) {
    return a + Exact{!b.negative, b.numerator, b.denominator};
  }
  friend Exact operator*(const Exact& a, const Exact& b);
  friend Exact operator/(const Exact& a, const Exact& b);  // b is not zero
  friend int compare(const Exact& a, const Exact& b);
  // The whole part of a value that is not negative.
  Whole floor() const;
};

// `value` rounded to `digits` significant digits, half to even.
Exact rounded(const Exact& value, int digits);
// The text of `value` with `digits` significant digits, rounded once, half to even, in the form
// results take: no trailing zeros, exponent form below 1E-4 and from 1E`digits` on ("1.25E-07").
std::string roundedtext(const Exact& value, int digits);

}  // namespace merovane
