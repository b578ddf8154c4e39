// The numeric runtime every converter shares: text to number and back, decimal rounding, the
// floating-point check, and the one error type a converter's handler catches.
#pragma once

#include <cmath>
#include <stdexcept>
#include <string>
#include <string_view>

#include "merovane/options.h"

namespace merovane {

enum class ErrorKind { TypeMismatch, Overflow, FloatingPoint, Control, BelowAbsoluteZero };

// A runtime error as a handler sees it: its kind and the description shown to users.
class RuntimeError : public std::runtime_error {
 public:
  RuntimeError(ErrorKind kind, const std::string& description)
      : std::runtime_error(description), kind_(kind) {}
  ErrorKind kind() const { return kind_; }
  std::string Description() const { return what(); }

 private:
  ErrorKind kind_;
};

// The descriptions users read in a message box.
inline constexpr const char* kTypeMismatch = "Type mismatch";
inline constexpr const char* kOverflow = "Overflow";
inline constexpr const char* kFloatingPoint = "Floating-point error: the result is out of range";
// A caller's unit position (or multiple) that its category does not have.
inline constexpr const char* kNoSuchUnit = "No such unit in this category";
// A temperature below absolute zero, which the definitions refuse.
inline constexpr const char* kBelowAbsoluteZero = "Below absolute zero";
// A unit the window's tables do not hold, converted by the tables.
inline constexpr const char* kNotInTables = "No figure in the window's tables";

// A double from a text: optional blanks around, an optional sign, digits with at most one
// decimal point (".5" and "5." are numbers) and an optional exponent ("1E5"). Anything else
// raises a type mismatch; a magnitude beyond the double range raises an overflow. Locale-free.
double texttonumber(std::string_view text);

// The general text of a double: at most 15 significant digits, no grouping, no trailing zeros,
// "." as the separator, exponent form below 1E-4 and from 1E15 on ("1.25E-07"). -0 shows "0".
std::string numbertotext(double value);

// The longest text numbertotext writes ("-1.7976931348623157E+308"), with room to spare.
inline constexpr int kNumberTextCapacity = 28;
// The same text written into `out`, which holds kNumberTextCapacity chars; returns its length.
int numbertotext(double value, char* out);

// The significant digits a result shows unless asked for others (Options holds their range).
inline constexpr int kResultDigits = Options::kWindowDigits;
// The text of `value` with `digits` (Options::kFewestDigits..kMostDigits) significant digits in the
// same form: the double's exact value rounded once, half to even, no trailing zeros, exponent form
// below 1E-4 and from 1E`digits` on. With kResultDigits it is numbertotext's text.
int numbertotext(double value, int digits, char* out);

// `value` rounded to `places` decimal places (0..15), the exact half going to the even
// neighbour. The rounding is worked out on the double's exact binary value.
double roundto(double value, int places);

// The floating-point check after a product: overflow or an invalid operation (and so a division
// by zero) raises the floating-point error. Underflow to zero or a denormal is not an error.
inline double checkfloat(double product) {
  // Finite operands give an infinite product exactly on overflow and NaN exactly when invalid.
  if (!std::isfinite(product)) throw RuntimeError(ErrorKind::FloatingPoint, kFloatingPoint);
  return product;
}

}  // namespace merovane
