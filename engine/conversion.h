// The one conversion path: a text in one unit of a category to the text of the same quantity in
// another, by the window's tables or by the units' definitions. The window's converters, the
// command line, the library, the tests and the fuzzers all convert through it. It keeps nothing
// between calls, and any conversion may run on any thread.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "core/category.h"
#include "core/precise.h"
#include "core/runtime.h"
#include "merovane/merovane.h"

namespace merovane {

// A unit position that stands for no unit at all, as a window's list with no selection: the
// text is still read (and a result grid's cells still worked out), and nothing converts.
inline constexpr int kNoUnit = -1;

// Whether one failing cell fails every pair of the category. A result grid works out every
// cell's result before it shows the selected one, so the first cell that fails fails them all; a
// pair scan, and every conversion by the definitions, works out only its own pair.
constexpr bool failswhole(const CategoryRecord& category, Mode mode) {
  return mode == Mode::Tables && category.shape != Shape::PairScan;
}

// Whether an empty text converts nothing at all, quietly, instead of failing to read.
constexpr bool convertsnothing(const CategoryRecord& category, std::string_view text) {
  return text.empty() && category.emptytext == EmptyText::ConvertsNothing;
}

// One pair of a category's units (two of its rows: the listed units first, in the window's
// order, then the others), with what its conversions need worked out once.
//
// By the tables (the window's figures): the cell of the category's table between the rows'
// listed units, a multiple's value multiplied by its factor first and a result in a multiple
// divided by its factor after, each under the floating-point check; in a result grid, a value
// that some cell does not convert fails every pair. By the definitions: the pair's exact map
// (its ratio rounded once, or a temperature's affine map).
//
// Rows outside the category (other than kNoUnit) and digits outside Options' range make every
// conversion fail, with the reason.
class PairConverter {
 public:
  PairConverter(const CategoryRecord& category, int from, int to, const Options& options);

  // What the pair gives for `text`: its result's text, nothing (an empty text where the category
  // converts nothing, or no unit), or the failure, with the one-line message naming the text.
  Result convert(std::string_view text) const;
  // The same for a number, as the text that reads as it would give.
  Result convert(double value) const;
  // The same for a stream, without building a Result: a converted result's text is written into
  // `out` (kNumberTextCapacity chars) and its length returned; -1 where convert() gives none.
  int write(std::string_view text, char* out) const noexcept;

  const CategoryRecord& category() const { return *category_; }

 private:
  // The pair's number for `text` or for a number read; raises the runtime's error where it fails.
  double number(std::string_view text) const;
  double number(double value) const;
  // The result every conversion gives, where the pair refuses them all.
  std::optional<Result> refused() const;
  Result converted(double result) const;

  const CategoryRecord* category_;
  int from_, to_;
  Options options_;
  double fromfactor_ = 1, tofactor_ = 1;  // the multiples' factors, by the tables
  // Why every conversion fails, if one does.
  enum class Refusal : std::uint8_t {
    None,
    NoSuchUnit,
    Digits,
    NotInTables,
  } refusal_ = Refusal::None;
  // The shown name of a row.
  std::string_view shown(int row) const {
    return category_->rows[static_cast<size_t>(row)].shown();
  }
  PreciseMap precise_ = PreciseMap::unchanged();
  // In a temperature, absolute zero as the source reads it (the double nearest to its exact
  // reading) and as the destination shows it: a reading below it fails.
  struct AbsoluteZero {
    double reading, shown;
  };
  std::optional<AbsoluteZero> zero_;
  const GridRange* range_ = nullptr;  // for a result grid by the tables: its record's
};

// One text from row `from` to row `to`: PairConverter(category, from, to, options).convert(text).
Result convert(const CategoryRecord& category, std::string_view text, int from, int to,
               const Options& options);

// Whether the window's tables hold both rows (kNoUnit counts as held): the tables convert only
// the listed units and their multiples, of the window's categories.
bool intables(const CategoryRecord& category, int from, int to);

// The units a chart's rows and columns are: the listed ones, or in a category the window does
// not list, every row.
int chartunits(const CategoryRecord& category);

// Every pair of chartunits() for one text, row by row.
std::vector<Result> chart(const CategoryRecord& category, std::string_view text,
                          const Options& options);

// The row of the category's reference unit (size 1, no offset, not a reciprocal reading); -1 if
// no row is it.
int referencerow(const CategoryRecord& category);

// What a position outside a category's units gives.
Result nosuchunit();

}  // namespace merovane
