// Merovane's conversions for other programs: one value, many values of one pair, or a chart of
// every pair, each exactly as the window shows it for the same text and selection. In memory,
// with no window and no globals; the categories are those of categories/categories.h.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/category.h"
#include "core/mode.h"
#include "core/precise.h"
#include "core/runtime.h"

namespace merovane {

// How a conversion goes and how its result reads. The defaults are what the window shows.
struct Options {
  Mode mode = Mode::Tables;
  // The result's significant digits, kFewestDigits to kMostDigits.
  int digits = kResultDigits;
  bool operator==(const Options&) const = default;
};

// What converting one text did.
class Result {
 public:
  enum class Status : std::uint8_t {
    Converted,  // text() is what the destination box shows
    Nothing,    // the category converts nothing for this text (an empty one)
    Failed,     // error() says why; the destination box would keep its text
  };

  static Result converted(double number, int digits = kResultDigits);
  static Result converted(std::string_view text);
  static Result nothing() { return Result(Status::Nothing); }
  static Result failed(const RuntimeError& error);

  Status status() const { return status_; }
  std::string_view text() const { return {text_.data(), length_}; }
  const std::optional<RuntimeError>& error() const { return error_; }

 private:
  explicit Result(Status status) : status_(status) {}

  Status status_;
  std::uint8_t length_ = 0;
  std::array<char, kNumberTextCapacity> text_{};
  std::optional<RuntimeError> error_;
};

// `value` in the source box, unit `from` selected in the source list and `to` in the
// destination list: what a click in either list shows. With other options, the same conversion
// by the chosen mode, shown with the chosen digits. Every function here throws
// std::out_of_range on digits outside kFewestDigits..kMostDigits.
Result convertvalue(const CategoryRecord& category, std::string_view value, int from, int to,
                    Options options = {});

// The multiples of the listed units a conversion reads and writes, each of the category's own
// list of multiples; none for the listed units themselves (kWh is read as 1000 Watt-hours).
struct Scale {
  const UnitRow* from = nullptr;
  const UnitRow* to = nullptr;
  double fromfactor() const { return from != nullptr ? from->factor : 1; }
  double tofactor() const { return to != nullptr ? to->factor : 1; }
  bool identity() const { return from == nullptr && to == nullptr; }
};

// The same result as convertvalue, working out only the selected cell of a result grid (and
// whether any other cell fails) instead of the texts of all of them.
//
// With a scale, a conversion from or to a multiple of a listed unit: in the tables' mode the pair
// `from` to `to` of the listed units, with the value read multiplied by the source multiple's
// factor first and the result divided by the destination's after, each in one floating-point
// operation under the floating-point check; in precise mode the multiples' exact factors join
// the pair's exact ratio, still rounded once.
Result convertcell(const CategoryRecord& category, std::string_view value, int from, int to,
                   Options options = {}, Scale scale = {});

// The values every cell of a category's table converts, from lowest to highest; past them some
// cell overflows, and so, in a result grid, every pair fails.
struct GridRange {
  double lowest = 0, highest = 0;
};
GridRange gridrange(const CategoryRecord& category);

// Many values of one pair, converted one at a time with what the pair needs worked out once:
// the same results as convertvalue, without computing a result grid's other cells.
class PairConverter {
 public:
  // When `from` or `to` is not a position in the category's list (or the scale's multiples are
  // not the category's), every conversion fails with kNoSuchUnit.
  // A scale other than the identity converts from or to multiples, as convertcell does.
  PairConverter(const CategoryRecord& category, int from, int to, Options options = {},
                Scale scale = {});

  Result convert(std::string_view value) const;

  const CategoryRecord& category() const { return *category_; }
  const Options& options() const { return options_; }

 private:
  const CategoryRecord* category_;
  int from_, to_;
  Options options_;
  Scale scale_;
  bool valid_;
  PreciseMap precise_ = PreciseMap::unchanged();  // the pair's map, in precise mode
  GridRange range_;                               // for a result grid in the tables' mode
};

}  // namespace merovane
