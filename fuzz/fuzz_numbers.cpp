// Fuzzes the numeric runtime: reading any bytes as a number, writing any finite double as text,
// and rounding to 0..15 decimal places.
//
// Input: the whole input is read as a text. An input starting with byte 0x01 is also read with
// the rest repeated to at least a megabyte. The first 8 bytes, and the last 8, are also taken as a
// double.

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "core/runtime.h"
#include "fuzz/invariant.h"
#include "fuzz/reference.h"

namespace merovane::fuzz {
namespace {

constexpr unsigned char kMegabyteMarker = 0x01;
constexpr size_t kMegabyte = size_t{1} << 20;

// The general 15-digit text of a finite double as the C++ library writes it, with an upper-case
// exponent letter and negative zero shown as "0".
std::string referencetext(double value) {
  std::array<char, 64> buffer;
  const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                     std::chars_format::general, 15);
  std::string text(buffer.data(), written.ptr);
  for (char& c : text)
    if (c == 'e') c = 'E';
  return text == "-0" ? "0" : text;
}

std::string show(double value) {
  std::array<char, 64> buffer;
  const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return std::string(buffer.data(), written.ptr);
}

// The largest double's 15-digit text lies beyond the double range, so it alone reads back as an
// overflow.
bool beyondtherange(std::string_view text) {
  if (!text.empty() && text[0] == '-') text.remove_prefix(1);
  return text == "1.79769313486232E+308";
}

void checkformatting(double value) {
  // A heap buffer of exactly the capacity, so AddressSanitizer sees any write beyond it.
  const auto buffer = std::make_unique<char[]>(kNumberTextCapacity);
  const int length = numbertotext(value, buffer.get());
  require(length > 0 && length <= kNumberTextCapacity, "a number's text fits its capacity",
          [&] { return show(value) + " wrote " + std::to_string(length) + " chars"; });
  const std::string text = numbertotext(value);
  require(text == std::string_view(buffer.get(), static_cast<size_t>(length)),
          "both forms of numbertotext write the same text", [&] { return show(value); });
  require(text == referencetext(value), "numbertotext writes the library's general 15-digit text",
          [&] { return show(value) + " wrote " + text + ", expected " + referencetext(value); });

  double reread = 0;
  try {
    reread = texttonumber(text);
  } catch (const RuntimeError& error) {
    require(error.kind() == ErrorKind::Overflow && beyondtherange(text),
            "a number's text reads back", [&] { return text + ": " + error.Description(); });
    return;
  }
  require(numbertotext(reread) == text, "a number's text, read back and written again, is the same",
          [&] { return text + " became " + numbertotext(reread); });
}

void checkrounding(double value) {
  for (int places = 0; places <= 15; ++places) {
    const double rounded = roundto(value, places);
    require(isnearest(rounded, roundedplaces(value, places)),
            "roundto gives the double nearest to the value rounded half-even to n places", [&] {
              return show(value) + " to " + std::to_string(places) + " places gave " +
                     show(rounded);
            });
  }
}

void checkreading(std::string_view text) {
  const Spelled reference = spelled(text);
  double value = 0;
  try {
    value = texttonumber(text);
  } catch (const RuntimeError& error) {
    if (error.kind() == ErrorKind::TypeMismatch) {
      require(!reference.number, "a number is not a type mismatch",
              [&] { return printable(text); });
      require(error.Description() == kTypeMismatch, "a type mismatch describes itself so",
              [&] { return error.Description(); });
      return;
    }
    require(error.kind() == ErrorKind::Overflow,
            "texttonumber raises only a type mismatch or an overflow",
            [&] { return printable(text) + ": " + error.Description(); });
    require(reference.number, "an overflow is a number", [&] { return printable(text); });
    require(!reference.exact || abs(*reference.exact) >= overflowthreshold(),
            "an overflow lies beyond the double range", [&] { return printable(text); });
    require(error.Description() == kOverflow, "an overflow describes itself so",
            [&] { return error.Description(); });
    return;
  } catch (...) {
    broken("texttonumber raises only its runtime errors", printable(text));
  }
  require(reference.number, "what is no number raises a type mismatch",
          [&] { return printable(text) + " read as " + show(value); });
  require(std::isfinite(value), "texttonumber gives a finite double",
          [&] { return printable(text) + " read as " + show(value); });
  if (reference.exact) {
    require(abs(*reference.exact) < overflowthreshold(), "a number beyond the range overflows",
            [&] { return printable(text) + " read as " + show(value); });
    require(isnearest(value, *reference.exact), "texttonumber gives the nearest double",
            [&] { return printable(text) + " read as " + show(value); });
  }
  checkformatting(value);
  checkrounding(value);
}

void checkdouble(const std::uint8_t* bytes) {
  double value;
  std::memcpy(&value, bytes, sizeof value);
  if (!std::isfinite(value)) return;  // products are checked before they are ever written
  checkformatting(value);
  checkrounding(value);
}

}  // namespace
}  // namespace merovane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace merovane::fuzz;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  checkreading(input);
  if (size >= 2 && data[0] == kMegabyteMarker) {
    const std::string_view piece = input.substr(1);
    std::string large(piece);
    while (large.size() < kMegabyte) large += large;
    checkreading(large);
  }
  if (size >= sizeof(double)) {
    checkdouble(data);
    checkdouble(data + size - sizeof(double));
  }
  return 0;
}
