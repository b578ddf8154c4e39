// Fuzzes precise conversions against an exact reference worked out here, in GMP rationals, from
// the units' definitions (not from the maps the build writes): for a random pair of any
// category, the result is the value times the definitions' ratio rounded once to a double, in one
// multiplication; a temperature is within one unit in the last place of its exact value, and
// exact where that is a double. A result that overflows fails as the tables' conversions fail.
// A multiple's exact factor joins the ratio. The pair converter, the single cell and the chart
// agree, and the text has the digits asked for.
//
// Input: a category, two positions among its units and then its multiples, a count of digits,
// then either a double's bits or a text.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>

#include "categories/categories.h"
#include "core/runtime.h"
#include "engine/conversion.h"
#include "fuzz/invariant.h"
#include "fuzz/reference.h"

namespace merovane::fuzz {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The double nearest to a positive rational, an exact half to the even neighbour.
double nearest(const mpq_class& value) {
  const double truncated = value.get_d();  // toward zero
  return isnearest(truncated, value) ? truncated : std::nextafter(truncated, kInfinity);
}

std::string describe(const CategoryRecord& category, int from, int to, const std::string& text) {
  return std::string(category.caption) + " " + printable(text) + " from " +
         std::string(category.rows[static_cast<size_t>(from)].shown()) + " to " +
         std::string(category.rows[static_cast<size_t>(to)].shown());
}

std::string shown(const Result& result) {
  if (result.status() == Result::Status::Converted) return std::string(result.text());
  if (result.status() == Result::Status::Nothing) return "(nothing)";
  return "!" + result.error();
}

// The text %.*G gives, "-0" shown as "0": the form the results promise, from the C library.
std::string printed(double value, int digits) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*G", digits, value == 0 ? 0.0 : value);
  return text;
}

// A row's exact size or offset, from its rational text: positive for a size.
mpq_class exactof(std::string_view text) {
  mpq_class value(std::string(text), 10);
  value.canonicalize();
  return value;
}

void check(const CategoryRecord& category, int from, int to, int digits, const std::string& text) {
  const Options options{Mode::Precise, digits};
  const Result result = convert(category, text, from, to, options);
  const auto where = [&] { return describe(category, from, to, text) + ": " + shown(result); };
  const int units = static_cast<int>(category.units.size());
  if (from < units && to < units)
    require(shown(chart(category, text, options)[static_cast<size_t>(from * units + to)]) ==
                shown(result),
            "the chart's cell gives what the pair gives", where);

  if (text.empty() && category.emptytext == EmptyText::ConvertsNothing) {
    require(result.status() == Result::Status::Nothing, "an empty text converts nothing", where);
    return;
  }
  double value;
  try {
    value = texttonumber(text);
  } catch (const RuntimeError& error) {
    require(result.status() == Result::Status::Failed && result.error() == error.Description(),
            "a text that reads as no number fails as the tables' mode fails", where);
    return;
  }

  const UnitRow& source = category.rows[static_cast<size_t>(from)];
  const UnitRow& destination = category.rows[static_cast<size_t>(to)];
  const mpq_class sourcesize = exactof(source.size);
  const mpq_class destinationsize = exactof(destination.size);
  const bool same = sourcesize == destinationsize;
  bool atzero = false;
  if (category.id == CategoryId::Temperature) {
    // Absolute zero as the source reads it: the double nearest to its exact reading. Below it a
    // reading is refused.
    const auto zeroof = [](const UnitRow& row) {
      return nearest(-exactof(row.offset) / exactof(row.size));
    };
    if (value < zeroof(source)) {
      require(result.status() == Result::Status::Failed && result.error() == kBelowAbsoluteZero,
              "a temperature below absolute zero is refused", where);
      return;
    }
    // On it, the result is absolute zero as the destination reads it, checked below.
    atzero = value == zeroof(source);
  }
  const bool affine = category.id == CategoryId::Temperature && from != to;
  // A reciprocal row beside a direct one: the constant 1 / (both sizes) over the value.
  const bool reciprocal = source.reciprocal != destination.reciprocal;
  // The expected double (nullopt where the product overflows), or for a temperature the exact
  // value the result must come within one unit in the last place of.
  std::optional<double> expected;
  std::optional<mpq_class> truth;
  if (reciprocal) {
    const double quotient = nearest(1 / (sourcesize * destinationsize)) / value;
    if (value != 0 && std::isfinite(quotient)) expected = quotient;
  } else if (same && !affine) {
    expected = value;
  } else if (!affine) {
    const double ratio = nearest(sourcesize / destinationsize);
    const double product = value * ratio;
    if (std::isfinite(product)) expected = product;
  } else {
    truth = atzero ? mpq_class(-exactof(destination.offset) / destinationsize)
                   : mpq_class((mpq_class(value) * sourcesize + exactof(source.offset) -
                                exactof(destination.offset)) /
                               destinationsize);
  }
  const bool failed = result.status() == Result::Status::Failed && result.error() == kFloatingPoint;
  if (truth) {
    // Within one unit in the last place of the largest double the result may overflow or not.
    const mpq_class magnitude = abs(*truth);
    const mpq_class largest(std::numeric_limits<double>::max());
    const mpq_class unit = 2 * (overflowthreshold() - largest);  // 2^971
    if (magnitude > largest - unit && magnitude <= largest + unit) return;
    if (magnitude > largest) {
      require(failed, "a temperature beyond the doubles fails with the floating-point error",
              where);
      return;
    }
  } else if (!expected) {
    require(
        failed,
        "a result beyond the doubles, or a reciprocal of zero, fails with the floating-point error",
        where);
    return;
  }
  require(result.status() == Result::Status::Converted, "a precise conversion converts", where);

  // The result read back from 17 digits, which every double keeps.
  const double got =
      texttonumber(shown(convert(category, text, from, to, {Mode::Precise, Options::kMostDigits})));
  if (truth) {
    const bool representable = abs(*truth) == mpq_class(nearest(abs(*truth)));
    require(representable ? mpq_class(got) == *truth
                          : mpq_class(std::nextafter(got, -kInfinity)) < *truth &&
                                *truth < mpq_class(std::nextafter(got, kInfinity)),
            representable ? "a temperature that is a double comes out exact"
                          : "a temperature is within one unit in the last place",
            [&] { return where() + ", exact " + truth->get_str(); });
    expected = got;
  } else {
    require(std::bit_cast<std::uint64_t>(got == 0 ? 0.0 : got) ==
                std::bit_cast<std::uint64_t>(*expected == 0 ? 0.0 : *expected),
            "the result is the value times the correctly rounded ratio",
            [&] { return where() + ", expected " + printed(*expected, 17); });
  }
  require(std::string(result.text()) == printed(*expected, digits),
          "the text is the result with the digits asked for",
          [&] { return where() + ", expected " + printed(*expected, digits); });
}

}  // namespace
}  // namespace merovane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  using namespace merovane;
  FuzzedDataProvider input(data, size);
  const CategoryRecord& category =
      categories()[input.ConsumeIntegralInRange<size_t>(0, categories().size() - 1)];
  const int rows = static_cast<int>(category.rows.size());
  const int from = input.ConsumeIntegralInRange(0, rows - 1);
  const int to = input.ConsumeIntegralInRange(0, rows - 1);
  const int digits = input.ConsumeIntegralInRange(Options::kFewestDigits, Options::kMostDigits);
  std::string text;
  if (input.ConsumeBool()) {
    // Any finite double, written so that it reads back exactly.
    const double value = std::bit_cast<double>(input.ConsumeIntegral<std::uint64_t>());
    if (!std::isfinite(value)) return 0;
    char written[32];
    std::snprintf(written, sizeof written, "%.17G", value);
    text = written;
  } else {
    text = input.ConsumeRandomLengthString(64);
  }
  fuzz::check(category, from, to, digits, text);
  return 0;
}
