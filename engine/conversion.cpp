#include "engine/conversion.h"

#include <array>
#include <cmath>
#include <string>

#include "api/quote.h"
#include "core/runtime.h"

namespace merovane {
namespace {

// Why digits outside Options' range convert nothing: "a result shows 1 to 17 significant digits".
std::string baddigits() {
  return "a result shows " + std::to_string(Options::kFewestDigits) + " to " +
         std::to_string(Options::kMostDigits) + " significant digits";
}

// Why a text gave no result, in one line that names it.
std::string cannotconvert(std::string_view text, const char* description, bool mismatch) {
  if (text.empty()) return "the value is empty: nothing to convert";
  if (description == nullptr) return quoted(text) + " converts to nothing";
  std::string message = "cannot convert " + quoted(text) + ": " + description;
  if (mismatch) message += " (write numbers like 1.5, -2 or 3E+8)";
  return message;
}

Result::Failure failure(ErrorKind kind) {
  switch (kind) {
    case ErrorKind::Overflow:
    case ErrorKind::FloatingPoint:
      return Result::Failure::Overflow;
    case ErrorKind::BelowAbsoluteZero:
      return Result::Failure::BelowAbsoluteZero;
    case ErrorKind::TypeMismatch:
    case ErrorKind::Control:
      break;
  }
  return Result::Failure::NotANumber;
}

Result failed(std::string_view text, const RuntimeError& error) {
  return Result(Result::Status::Failed, error.Description(),
                cannotconvert(text, error.what(), error.kind() == ErrorKind::TypeMismatch), 0,
                failure(error.kind()));
}

// The text a number is shown as, where there is no text typed: the shortest that reads back as
// the same double.
std::string typedtext(double value) {
  std::array<char, kNumberTextCapacity> text;
  return std::string(text.data(),
                     static_cast<size_t>(numbertotext(value, Options::kMostDigits, text.data())));
}

// The row every other row of an affine category (a temperature scale) is counted from: its
// reading of zero is absolute zero. -1 in a category of sizes alone.
int absolutezero(const CategoryRecord& category) {
  for (const UnitRow& unit : category.rows)
    if (unit.offset != "0") return referencerow(category);
  return -1;
}

}  // namespace

int referencerow(const CategoryRecord& category) {
  for (size_t row = 0; row < category.rows.size(); ++row) {
    const UnitRow& unit = category.rows[row];
    if (unit.size == "1" && unit.offset == "0" && !unit.reciprocal) return static_cast<int>(row);
  }
  return -1;
}

Result nosuchunit() {
  return Result(Result::Status::Failed, kNoSuchUnit, "no such unit in this category", 0,
                Result::Failure::NoSuchUnit);
}

PairConverter::PairConverter(const CategoryRecord& category, int from, int to,
                             const Options& options)
    : category_(&category), from_(from), to_(to), options_(options) {
  const int rows = static_cast<int>(category.rows.size());
  const auto position = [rows](int row) { return row == kNoUnit || (row >= 0 && row < rows); };
  if (!position(from) || !position(to))
    refusal_ = Refusal::NoSuchUnit;
  else if (!options.validdigits())
    refusal_ = Refusal::Digits;
  else if (options.mode() == Mode::Tables && !intables(category, from, to))
    refusal_ = Refusal::NotInTables;
  if (refusal_ != Refusal::None || from == kNoUnit || to == kNoUnit) {
    if (refusal_ == Refusal::None && failswhole(category, options.mode())) range_ = &category.grid;
    return;
  }
  if (options.mode() == Mode::Precise) {
    precise_ = category.precise[static_cast<size_t>(from * rows + to)];
    if (const int zero = absolutezero(category); zero >= 0) {
      // Absolute zero as the source reads it and as the destination shows it.
      const auto fromzero = [&](int row) {
        return category.precise[static_cast<size_t>(zero * rows + row)].apply(0);
      };
      zero_ = AbsoluteZero{fromzero(from), fromzero(to)};
    }
    return;
  }
  const UnitRow& source = category.rows[static_cast<size_t>(from)];
  const UnitRow& destination = category.rows[static_cast<size_t>(to)];
  from_ = source.base, to_ = destination.base;
  fromfactor_ = source.factor, tofactor_ = destination.factor;
  if (failswhole(category, options.mode())) range_ = &category.grid;
}

double PairConverter::number(std::string_view text) const {
  return number(texttonumber(text));
}

double PairConverter::number(double value) const {
  if (options_.mode() == Mode::Precise) {
    if (zero_ && value < zero_->reading)
      throw RuntimeError(ErrorKind::BelowAbsoluteZero, kBelowAbsoluteZero);
    // Absolute zero as typed (-459.67 F) is absolute zero, though no double holds it exactly.
    if (zero_ && value == zero_->reading) return zero_->shown;
    return precise_.apply(value);
  }
  const double scaled = fromfactor_ != 1 ? checkfloat(value * fromfactor_) : value;
  if (range_ != nullptr && !range_->holds(scaled))
    throw RuntimeError(ErrorKind::FloatingPoint, kFloatingPoint);
  const double result = category_->table().convert(from_, to_, scaled);
  return tofactor_ != 1 ? checkfloat(result / tofactor_) : result;
}

int PairConverter::write(std::string_view text, char* out) const noexcept {
  if (refusal_ != Refusal::None || convertsnothing(*category_, text) || from_ == kNoUnit ||
      to_ == kNoUnit)
    return -1;
  try {
    return numbertotext(number(text), options_.digits(), out);
  } catch (const RuntimeError&) {
    return -1;
  }
}

std::optional<Result> PairConverter::refused() const {
  if (refusal_ == Refusal::NoSuchUnit) return nosuchunit();
  if (refusal_ == Refusal::NotInTables) {
    const std::string_view unit = intables(*category_, from_, from_) ? shown(to_) : shown(from_);
    return Result(Result::Status::Failed, kNotInTables,
                  quoted(unit) + " has no figure in the window's tables", 0,
                  Result::Failure::NotInTables);
  }
  if (refusal_ == Refusal::Digits) {
    std::string message = baddigits();
    std::string description = message;
    description[0] = 'A';
    return Result(Result::Status::Failed, std::move(description), std::move(message), 0,
                  Result::Failure::BadDigits);
  }
  return std::nullopt;
}

Result PairConverter::converted(double result) const {
  std::array<char, kNumberTextCapacity> shown;
  const int length = numbertotext(result, options_.digits(), shown.data());
  return Result(Result::Status::Converted, std::string(shown.data(), static_cast<size_t>(length)),
                "", result);
}

Result PairConverter::convert(double value) const {
  if (std::optional<Result> refusal = refused()) return *refusal;
  if (from_ == kNoUnit || to_ == kNoUnit) return Result(Result::Status::Nothing, "", "");
  if (std::isnan(value)) return failed("nan", RuntimeError(ErrorKind::TypeMismatch, kTypeMismatch));
  if (std::isinf(value))
    return failed(value < 0 ? "-inf" : "inf", RuntimeError(ErrorKind::Overflow, kOverflow));
  try {
    return converted(number(value));
  } catch (const RuntimeError& error) {
    return failed(typedtext(value), error);
  }
}

Result PairConverter::convert(std::string_view text) const {
  if (std::optional<Result> refusal = refused()) return *refusal;
  const auto nothing = [text] {
    return Result(Result::Status::Nothing, "", cannotconvert(text, nullptr, false));
  };
  if (convertsnothing(*category_, text)) return nothing();
  try {
    if (from_ == kNoUnit || to_ == kNoUnit) {
      // Nothing is shown, but the text is read and a result grid's cells are worked out.
      const double value = texttonumber(text);
      if (range_ != nullptr && !range_->holds(value))
        throw RuntimeError(ErrorKind::FloatingPoint, kFloatingPoint);
      return nothing();
    }
    return converted(number(text));
  } catch (const RuntimeError& error) {
    return failed(text, error);
  }
}

Result convert(const CategoryRecord& category, std::string_view text, int from, int to,
               const Options& options) {
  return PairConverter(category, from, to, options).convert(text);
}

bool intables(const CategoryRecord& category, int from, int to) {
  const auto held = [&category](int row) {
    return row == kNoUnit || category.rows[static_cast<size_t>(row)].intables();
  };
  return category.table != nullptr && held(from) && held(to);
}

int chartunits(const CategoryRecord& category) {
  return static_cast<int>(category.units.empty() ? category.rows.size() : category.units.size());
}

std::vector<Result> chart(const CategoryRecord& category, std::string_view text,
                          const Options& options) {
  const int units = chartunits(category);
  std::vector<Result> cells;
  cells.reserve(static_cast<size_t>(units * units));
  for (int from = 0; from < units; ++from)
    for (int to = 0; to < units; ++to)
      cells.push_back(PairConverter(category, from, to, options).convert(text));
  return cells;
}

}  // namespace merovane
