#include "core/runtime.h"

#include <locale.h>

#include <array>
#include <bit>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace merovane {
namespace {

bool isblank(char c) {
  return c == ' ' || c == '\t';
}
bool isdigit(char c) {
  return c >= '0' && c <= '9';
}

[[noreturn]] void typemismatch() {
  throw RuntimeError(ErrorKind::TypeMismatch, kTypeMismatch);
}

// Checks the whole text against [blanks][sign]digits[.digits][E[sign]digits][blanks] with at
// least one mantissa digit; returns the number without the blanks.
std::string_view numberpart(std::string_view text) {
  size_t begin = 0, end = text.size();
  while (begin < end && isblank(text[begin])) ++begin;
  while (end > begin && isblank(text[end - 1])) --end;
  const std::string_view number = text.substr(begin, end - begin);

  size_t at = 0;
  const size_t size = number.size();
  if (at < size && (number[at] == '+' || number[at] == '-')) ++at;
  size_t digits = 0;
  while (at < size && isdigit(number[at])) ++at, ++digits;
  if (at < size && number[at] == '.') {
    ++at;
    while (at < size && isdigit(number[at])) ++at, ++digits;
  }
  if (digits == 0) typemismatch();
  if (at < size && (number[at] == 'E' || number[at] == 'e')) {
    ++at;
    if (at < size && (number[at] == '+' || number[at] == '-')) ++at;
    size_t exponentdigits = 0;
    while (at < size && isdigit(number[at])) ++at, ++exponentdigits;
    if (exponentdigits == 0) typemismatch();
  }
  if (at != size) typemismatch();
  return number;
}

locale_t clocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return c;
}

}  // namespace

double texttonumber(std::string_view text) {
  std::string_view number = numberpart(text);
  // from_chars reads what strtod reads but a leading "+", without a copy or a locale.
  if (number.front() == '+') number.remove_prefix(1);
  double value = 0;
  const auto read = std::from_chars(number.data(), number.data() + number.size(), value);
  if (read.ec == std::errc() && read.ptr == number.data() + number.size()) return value;
  // Out of range: strtod tells an overflow from an underflow, which reads as zero or a denormal
  // and is no error.
  const std::string copy(number);
  errno = 0;
  value = strtod_l(copy.c_str(), nullptr, clocale());
  if (errno == ERANGE && std::isinf(value)) throw RuntimeError(ErrorKind::Overflow, kOverflow);
  return value;
}

namespace {

// Writes the 15 digits of `digits` (10^14 <= digits < 10^15) in %.15G form with decimal
// exponent `exponent`: fixed notation from 1E-4 up to 1E15, else d.dddE+xx; no trailing zeros.
int writegeneral(std::uint64_t digits, int exponent, char* out) {
  // Two digits at a time, in 32-bit halves: this runs for every cell of a result grid.
  static constexpr auto kPairs = [] {
    std::array<char, 200> pairs{};
    for (int n = 0; n < 100; ++n) {
      pairs[static_cast<size_t>(2 * n)] = static_cast<char>('0' + n / 10);
      pairs[static_cast<size_t>(2 * n + 1)] = static_cast<char>('0' + n % 10);
    }
    return pairs;
  }();
  const auto writepairs = [](std::uint32_t number, char* end, int pairs) {
    for (; pairs > 0; --pairs, number /= 100) {
      end -= 2;
      std::memcpy(end, &kPairs[(number % 100) * 2], 2);
    }
    return number;
  };
  char text[15];
  const std::uint32_t high = static_cast<std::uint32_t>(digits / 100000000);  // 7 digits
  const std::uint32_t low = static_cast<std::uint32_t>(digits % 100000000);   // 8 digits
  writepairs(low, text + 15, 4);
  text[0] = static_cast<char>('0' + writepairs(high, text + 7, 3));
  int used = low == 0 ? 7 : 15;
  while (used > 1 && text[used - 1] == '0') --used;

  char* at = out;
  if (exponent < -4 || exponent >= 15) {
    *at++ = text[0];
    if (used > 1) {
      *at++ = '.';
      for (int d = 1; d < used; ++d) *at++ = text[d];
    }
    *at++ = 'E';
    *at++ = exponent < 0 ? '-' : '+';
    const int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude >= 100) *at++ = static_cast<char>('0' + magnitude / 100);
    *at++ = static_cast<char>('0' + magnitude / 10 % 10);
    *at++ = static_cast<char>('0' + magnitude % 10);
  } else if (exponent >= 0) {
    for (int d = 0; d <= exponent; ++d) *at++ = text[d];
    if (used > exponent + 1) {
      *at++ = '.';
      for (int d = exponent + 1; d < used; ++d) *at++ = text[d];
    }
  } else {
    *at++ = '0';
    *at++ = '.';
    for (int zeros = -exponent - 1; zeros > 0; --zeros) *at++ = '0';
    for (int d = 0; d < used; ++d) *at++ = text[d];
  }
  return static_cast<int>(at - out);
}

using uint128 = unsigned __int128;

constexpr std::array<uint128, 39> powersof(unsigned base) {
  std::array<uint128, 39> powers{};
  uint128 power = 1;
  for (auto& each : powers) {
    each = power;
    power *= base;
  }
  return powers;
}
constexpr std::array<uint128, 39> kPowersOf5 = powersof(5);
constexpr std::array<uint128, 39> kPowersOf10 = powersof(10);  // exact up to 10^38

// The 15 significant digits of a positive double from about 1E-18 to 1E+38, rounded exactly
// (half to even) from its binary value in 128-bit integers: the fast path for the magnitudes
// conversions show. Returns false where the numbers do not fit; to_chars then does the work.
bool fastgeneral(double magnitude, char* out, int& length) {
  if (!(magnitude >= 1e-18 && magnitude < 1e38)) return false;
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(magnitude);
  const int biased = static_cast<int>(bits >> 52);  // positive and normal here
  const std::uint64_t mantissa = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
  const int twos = biased - 1075;  // magnitude = mantissa * 2^twos
  // floor(log10(magnitude)) is this or, rarely, one off.
  int exponent = ((twos + 52) * 78913) >> 18;

  for (int attempt = 0; attempt < 3; ++attempt) {
    // digits = magnitude * 10^scale = mantissa * 5^scale * 2^(twos + scale)
    const int scale = 14 - exponent;
    uint128 numerator = mantissa;
    uint128 digits = 0, remainder = 0, half = 0;
    if (scale >= 0) {
      if (scale > 32) return false;  // mantissa * 5^scale must stay below 2^128
      numerator *= kPowersOf5[static_cast<size_t>(scale)];
      const int shift = twos + scale;
      if (shift >= 0) {
        if (shift > 60) return false;
        digits = numerator << shift;
      } else {
        if (-shift > 120) return false;
        digits = numerator >> -shift;
        remainder = numerator & ((uint128{1} << -shift) - 1);
        half = uint128{1} << (-shift - 1);
      }
    } else {
      uint128 denominator = kPowersOf10[static_cast<size_t>(-scale)];
      if (twos >= 0) {
        if (twos > 70) return false;
        numerator <<= twos;
      } else {
        denominator <<= -twos;
      }
      digits = numerator / denominator;
      remainder = numerator - digits * denominator;
      half = denominator >> 1;  // exact: the denominator holds 10^(-scale), which is even
    }
    if (digits >= kPowersOf10[15]) {  // the exponent is one more
      ++exponent;
      continue;
    }
    if (digits < kPowersOf10[14]) {  // the exponent is one less
      --exponent;
      continue;
    }
    if (half != 0 && (remainder > half || (remainder == half && (digits & 1) != 0))) ++digits;
    int shown = exponent;
    if (digits == kPowersOf10[15]) {  // 999999999999999.5 and the like carry into the next power
      digits = kPowersOf10[14];
      ++shown;
    }
    length = writegeneral(static_cast<std::uint64_t>(digits), shown, out);
    return true;
  }
  return false;
}

}  // namespace

int numbertotext(double value, char* out) {
  if (value == 0) {  // negative zero included
    out[0] = '0';
    return 1;
  }
  char* at = out;
  if (value < 0) *at++ = '-';
  int length = 0;
  if (fastgeneral(std::fabs(value), at, length)) return static_cast<int>(at - out) + length;

  const auto result =
      std::to_chars(out, out + kNumberTextCapacity, value, std::chars_format::general, 15);
  for (char* c = out; c != result.ptr; ++c)
    if (*c == 'e') *c = 'E';
  return static_cast<int>(result.ptr - out);
}

int numbertotext(double value, int digits, char* out) {
  if (digits == kResultDigits) return numbertotext(value, out);
  if (value == 0) {  // negative zero included, as above
    out[0] = '0';
    return 1;
  }
  // to_chars with a precision rounds the exact binary value as %.*G does.
  const auto result =
      std::to_chars(out, out + kNumberTextCapacity, value, std::chars_format::general, digits);
  for (char* c = out; c != result.ptr; ++c)
    if (*c == 'e') *c = 'E';
  return static_cast<int>(result.ptr - out);
}

std::string numbertotext(double value) {
  std::array<char, kNumberTextCapacity> buffer;
  return std::string(buffer.data(), static_cast<size_t>(numbertotext(value, buffer.data())));
}

double roundto(double value, int places) {
  static constexpr std::array<double, 16> kPowersOfTen = {
      1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  if (!std::isfinite(value) || places < 0 || places >= static_cast<int>(kPowersOfTen.size()))
    return value;
  const double magnitude = std::fabs(value);
  const double scale = kPowersOfTen[places];
  const double high = magnitude * scale;
  if (high < 0x1p52) {
    // magnitude * scale == high + low exactly, so the tie test below sees the exact value.
    const double low = std::fma(magnitude, scale, -high);
    double whole = std::floor(high);
    const double abovehalf = ((high - whole) - 0.5) + low;  // its sign is exact
    if (abovehalf > 0 || (abovehalf == 0 && std::fmod(whole, 2) != 0)) whole += 1;
    return std::copysign(whole / scale, value);
  }
  // Large magnitudes: the exact fixed-point text, rounded half to even, read back.
  std::array<char, 400> buffer;
  const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                     std::chars_format::fixed, places);
  if (written.ec != std::errc()) return value;
  double rounded = value;
  std::from_chars(buffer.data(), written.ptr, rounded);
  return rounded;
}

}  // namespace merovane
