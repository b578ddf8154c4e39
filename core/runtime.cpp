#include "core/runtime.h"

#include <locale.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>

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
  const std::string number(numberpart(text));
  errno = 0;
  const double value = strtod_l(number.c_str(), nullptr, clocale());
  if (errno == ERANGE && std::isinf(value)) throw RuntimeError(ErrorKind::Overflow, kOverflow);
  return value;  // an underflow reads as zero or a denormal, which is no error
}

std::string numbertotext(double value) {
  if (value == 0) return "0";  // negative zero included
  std::array<char, 64> buffer;
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::general, 15);
  std::string text(buffer.data(), result.ptr);
  for (char& c : text)
    if (c == 'e') c = 'E';
  return text;
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
