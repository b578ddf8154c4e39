#include "api/conversion.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <string>

#include "api/precisepair.h"
#include "core/engine.h"
#include "core/memorycontrols.h"

namespace merovane {
namespace {

// Whether `from` and `to` are positions in the category's list and the scale's multiples are
// the category's own.
bool validpair(const CategoryRecord& category, int from, int to, Scale scale = {}) {
  const int units = static_cast<int>(category.units.size());
  const auto owned = [&category, units](const UnitRow* multiple) {
    return multiple == nullptr || (multiple >= category.rows.data() + units &&
                                   multiple < category.rows.data() + category.rows.size());
  };
  return from >= 0 && from < units && to >= 0 && to < units && owned(scale.from) && owned(scale.to);
}

Result nosuchunit() {
  return Result::failed(RuntimeError(ErrorKind::Control, kNoSuchUnit));
}

bool convertsnothing(const CategoryRecord& category, std::string_view value) {
  return value.empty() && category.emptytext == EmptyText::ConvertsNothing;
}

// Whether every cell of the grid converts `value` without an error.
bool gridconverts(const ConversionTable& table, double value) {
  try {
    for (int source = 0; source < table.units(); ++source)
      for (int destination = 0; destination < table.units(); ++destination)
        table.convert(source, destination, value);
    return true;
  } catch (const RuntimeError&) {
    return false;
  }
}

// The first error a cell of the grid raises for `value`, which some cell does not convert.
RuntimeError griderror(const ConversionTable& table, double value) {
  try {
    for (int source = 0; source < table.units(); ++source)
      for (int destination = 0; destination < table.units(); ++destination)
        table.convert(source, destination, value);
  } catch (const RuntimeError& error) {
    return error;
  }
  return RuntimeError(ErrorKind::FloatingPoint, kFloatingPoint);
}

// What convertvalue gives, from the selected cell alone: `gridconverts(number)` tells whether a
// result grid converts the number in every cell; when it does not, the engine tells how it fails.
// A scale reads the value in a multiple of the source unit and writes it in one of the
// destination unit; a result grid then fails as its cells fail for the scaled value.
template <class GridConverts>
Result convertselected(const CategoryRecord& category, std::string_view value, int from, int to,
                       int digits, Scale scale, GridConverts gridconverts) {
  if (convertsnothing(category, value)) return Result::nothing();
  try {
    const double number = texttonumber(value);
    if (scale.identity()) {
      if (failswhole(category) && !gridconverts(number))
        return convertvalue(category, value, from, to);
      return Result::converted(category.table().convert(from, to, number), digits);
    }
    const double scaled = checkfloat(number * scale.fromfactor());
    if (failswhole(category) && !gridconverts(scaled))
      return Result::failed(griderror(category.table(), scaled));
    return Result::converted(
        checkfloat(category.table().convert(from, to, scaled) / scale.tofactor()), digits);
  } catch (const RuntimeError& error) {
    return Result::failed(error);
  }
}

// The value read as the tables' mode reads it, then the pair's precise map: it fails only on
// its own result.
Result convertprecisely(const CategoryRecord& category, std::string_view value,
                        const PreciseMap& map, int digits) {
  if (convertsnothing(category, value)) return Result::nothing();
  try {
    return Result::converted(map.apply(texttonumber(value)), digits);
  } catch (const RuntimeError& error) {
    return Result::failed(error);
  }
}

}  // namespace

// The value of largest magnitude, on the side of zero that `sign` gives, that every cell
// converts. A product only grows with its factor's magnitude, so the cells that overflow for a
// value overflow for every larger one: the values that convert are one interval around zero.
double gridlimit(const ConversionTable& table, double sign) {
  // The finite doubles of one sign are ordered as their bit patterns.
  std::uint64_t good = 0, bad = std::bit_cast<std::uint64_t>(HUGE_VAL);
  const auto value = [sign](std::uint64_t bits) { return sign * std::bit_cast<double>(bits); };
  while (bad - good > 1) {
    const std::uint64_t middle = good + (bad - good) / 2;
    (gridconverts(table, value(middle)) ? good : bad) = middle;
  }
  return value(good);
}

GridRange gridrange(const CategoryRecord& category) {
  return {gridlimit(category.table(), -1), gridlimit(category.table(), 1)};
}

Result Result::converted(double number, int digits) {
  Result result(Status::Converted);
  result.length_ = static_cast<std::uint8_t>(numbertotext(number, digits, result.text_.data()));
  return result;
}

Result Result::converted(std::string_view text) {
  Result result(Status::Converted);
  result.length_ = static_cast<std::uint8_t>(std::min(text.size(), result.text_.size()));
  std::memcpy(result.text_.data(), text.data(), result.length_);
  return result;
}

Result Result::failed(const RuntimeError& error) {
  Result result(Status::Failed);
  result.error_ = error;
  return result;
}

Result convertvalue(const CategoryRecord& category, std::string_view value, int from, int to,
                    Options options) {
  // Other options than the window's go by the selected cell alone, which gives the same result.
  if (!validpair(category, from, to)) return nosuchunit();
  if (options != Options{}) return convertcell(category, value, from, to, options);
  const int units = static_cast<int>(category.units.size());
  MemoryListBox source(units), destination(units);
  MemoryTextBox sourcebox, destinationbox;
  sourcebox.SetText(std::string(value));
  source.select(from);
  destination.select(to);
  RecordingReporter reporter;
  convert(category, source, destination, sourcebox, destinationbox, reporter);
  if (reporter.failure()) return Result::failed(*reporter.failure());
  if (destinationbox.writes() == 0) return Result::nothing();
  return Result::converted(destinationbox.Text());
}

PairConverter::PairConverter(const CategoryRecord& category, int from, int to, Options options,
                             Scale scale)
    : category_(&category),
      from_(from),
      to_(to),
      options_(options),
      scale_(scale),
      valid_(validpair(category, from, to, scale)) {
  checkoptions(options);
  if (!valid_) return;
  if (options.mode == Mode::Precise) precise_ = precisemap(category, from, to, scale);
  if (failswhole(category, options.mode)) {
    range_ = gridrange(category);
  }
}

Result PairConverter::convert(std::string_view value) const {
  if (!valid_) return nosuchunit();
  if (options_.mode == Mode::Precise)
    return convertprecisely(*category_, value, precise_, options_.digits);
  return convertselected(
      *category_, value, from_, to_, options_.digits, scale_,
      [this](double number) { return number >= range_.lowest && number <= range_.highest; });
}

Result convertcell(const CategoryRecord& category, std::string_view value, int from, int to,
                   Options options, Scale scale) {
  checkoptions(options);
  if (!validpair(category, from, to, scale)) return nosuchunit();
  if (options.mode == Mode::Precise)
    return convertprecisely(category, value, precisemap(category, from, to, scale), options.digits);
  return convertselected(
      category, value, from, to, options.digits, scale,
      [&category](double number) { return gridconverts(category.table(), number); });
}

}  // namespace merovane
