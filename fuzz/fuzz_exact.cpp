// Fuzzes the exact sums of requests: a request of up to eight terms of Length, each a fuzzed
// decimal or fraction, read by the request grammar; its exact quantity must be the GMP sum of
// each term's number times its unit's size, and its result, to 17 digits, that sum over the
// destination's size within half a unit of its last digit.
//
// Input: for each term a byte choosing the unit, then its number's text up to a ';'.

#include <gmpxx.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "api/request.h"
#include "categories/categories.h"
#include "fuzz/invariant.h"

namespace merovane::fuzz {
namespace {

mpq_class rational(std::string_view text) {
  // "1.25", "3/4", "1 1/2", "1E-3": the reference's own reading, through GMP.
  if (const size_t blank = text.find(' '); blank != std::string_view::npos)
    return rational(text.substr(0, blank)) + rational(text.substr(blank + 1));
  if (const size_t slash = text.find('/'); slash != std::string_view::npos) {
    mpq_class value(rational(text.substr(0, slash)) / rational(text.substr(slash + 1)));
    value.canonicalize();
    return value;
  }
  std::string digits;
  long exponent = 0;
  bool point = false;
  size_t at = 0;
  for (; at < text.size() && text[at] != 'E' && text[at] != 'e'; ++at) {
    if (text[at] == '.') {
      point = true;
    } else {
      digits += text[at];
      if (point) --exponent;
    }
  }
  if (at < text.size()) exponent += std::stol(std::string(text.substr(at + 1)));
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 10,
                static_cast<unsigned long>(exponent < 0 ? -exponent : exponent));
  mpq_class value{mpz_class(digits.empty() ? "0" : digits, 10)};
  if (exponent < 0)
    value /= power;
  else
    value *= power;
  value.canonicalize();
  return value;
}

mpq_class rational(const Exact& exact) {
  mpq_class value(mpz_class(exact.numerator.digits(), 10),
                  mpz_class(exact.denominator.digits(), 10));
  value.canonicalize();
  return exact.negative ? mpq_class(-value) : value;
}

void check(std::string_view input) {
  const CategoryRecord& length = *findcategory("Length");
  std::string text;
  mpq_class expected = 0;
  std::vector<std::string> numbers;
  while (!input.empty() && numbers.size() < kMostTerms) {
    const UnitRow& row = length.rows[static_cast<unsigned char>(input[0]) % length.rows.size()];
    input.remove_prefix(1);
    const size_t end = std::min(input.find(';'), input.size());
    std::string number(input.substr(0, end));
    input.remove_prefix(std::min(end + 1, input.size()));
    // Digits, one point and a fraction's slash only: what the grammar takes as a number.
    if (number.empty() || number.find_first_not_of("0123456789./") != std::string::npos) return;
    numbers.push_back(number);
    text += number + " " + std::string(row.shown()) + " ";
  }
  if (numbers.empty()) return;
  text += "m";
  const std::string words[] = {text};
  const auto read = readrequest(words, std::nullopt);
  const auto* request = std::get_if<ReadRequest>(&read);
  if (request == nullptr || request->terms.size() != numbers.size()) return;  // not every term read
  for (size_t at = 0; at < numbers.size(); ++at) {
    const RequestTerm& term = request->terms[at];
    expected += rational(term.number) * rational(std::string_view(term.choice.unit().size));
  }
  expected.canonicalize();
  try {
    const Exact quantity = exactquantity(*request);
    require(rational(quantity) == expected, "an exact sum is the exact sum of its terms",
            [&] { return printable(text) + ": " + expected.get_str(); });
    if (request->plain) return;
    // The result in meters to 17 digits: within half a unit of its last digit.
    const mpq_class result = rational(exactresult(*request, 17));
    const mpq_class inmeters =
        expected / rational(std::string_view(request->destination.back().choice.unit().size));
    mpq_class error = abs(result - inmeters), unit = abs(inmeters);
    // Half a unit of the 17th digit is at most 5E-17 of the value.
    unit /= mpq_class(mpz_class("20000000000000000"));
    require(error <= unit, "the result is the exact sum rounded once", [&] {
      return printable(text) + ": " + exactresult(*request, 17) + ", exactly " + inmeters.get_str();
    });
  } catch (const std::overflow_error&) {
    // Too large for the fixed width: refused, which the request's conversion says.
  }
}

}  // namespace
}  // namespace merovane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  merovane::fuzz::check(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
