#include "api/bridge.h"

#include <istream>
#include <ostream>

#include "api/chart.h"
#include "api/conversion.h"
#include "api/namelookup.h"
#include "api/quote.h"
#include "api/resolver.h"
#include "api/stream.h"
#include "categories/categories.h"
#include "core/about.h"

namespace merovane::bridge {
namespace {

const CategoryRecord& record(const void* category) {
  return *static_cast<const CategoryRecord*>(category);
}

// The caller's mode and digits; digits outside 1 to 17 are refused as a failed result.
Options options(int mode, int digits) {
  return {mode == 1 ? Mode::Precise : Mode::Tables, digits};
}

bool validdigits(int digits) {
  return digits >= kFewestDigits && digits <= kMostDigits;
}

// Why `value` gave no result (the error, or none when the category converted nothing).
std::string cannotconvert(std::string_view value, const RuntimeError* error) {
  if (value.empty()) return "the value is empty: nothing to convert";
  if (error == nullptr) return quoted(value) + " converts to nothing";
  std::string message = "cannot convert " + quoted(value) + ": " + error->Description();
  if (error->kind() == ErrorKind::TypeMismatch) message += " (write numbers like 1.5, -2 or 3E+8)";
  return message;
}

Outcome outcome(const Result& result, std::string_view value) {
  switch (result.status()) {
    case Result::Status::Converted:
      return {0, std::string(result.text())};
    case Result::Status::Nothing:
      return {1, "", cannotconvert(value, nullptr)};
    case Result::Status::Failed:
      break;
  }
  return {2, result.error()->Description(), cannotconvert(value, &*result.error())};
}

const Outcome& baddigits() {
  static const Outcome bad{2, "A result shows 1 to 17 significant digits",
                           "a result shows 1 to 17 significant digits"};
  return bad;
}

// The names of a failure for a caller: the one-line message, and the message with the valid
// names, a line each, as a single call shows them.
Failure failure(const NameError& error) {
  std::string details = error.line + error.detail;
  for (std::string_view name : error.list) details.append("\n").append(name);
  return {static_cast<int>(error.kind), error.line + (error.list.empty() ? error.detail : ""),
          error.candidates, std::move(details)};
}

// A pair carries a multiple as the name of it that was typed, an element of its row's symbols or
// names: the row holding it, or nullptr for a listed unit.
const UnitRow* multiplerow(const CategoryRecord& category, const void* name) {
  if (name == nullptr) return nullptr;
  const auto holds = [name](std::span<const std::string_view> names) {
    return name >= names.data() && name < names.data() + names.size();
  };
  for (const UnitRow& row : category.rows)
    if (holds(row.symbols) || holds(row.names)) return &row;
  return nullptr;
}

// The element of a multiple's row that `choice` shows, for the pair to carry; nullptr for a
// listed unit.
const void* shownname(const UnitChoice& choice) {
  if (!choice.unit().listed.empty()) return nullptr;
  for (std::span<const std::string_view> names : {choice.unit().symbols, choice.unit().names})
    for (const std::string_view& name : names)
      if (name.data() == choice.shown.data()) return &name;
  return nullptr;
}

Scale scale(const PairRef& pair) {
  return {multiplerow(record(pair.category), pair.frommultiple),
          multiplerow(record(pair.category), pair.tomultiple)};
}

}  // namespace

const char* version() {
  return kVersion;
}

std::vector<const void*> categories() {
  std::vector<const void*> all;
  for (const CategoryRecord& category : merovane::categories()) all.push_back(&category);
  return all;
}

const void* findcategory(std::string_view caption) {
  return merovane::findcategory(caption);
}

Failure unknowncategory(std::string_view caption) {
  const auto found = resolvecategory(caption);
  const NameError* error = std::get_if<NameError>(&found);
  if (error == nullptr) return {static_cast<int>(NameError::Kind::UnknownCategory), "", {}, ""};
  // The categories are its candidates.
  Failure answer = failure(*error);
  answer.candidates.assign(error->list.begin(), error->list.end());
  return answer;
}

std::string caption(const void* category) {
  return std::string(record(category).caption);
}

std::vector<std::string> units(const void* category) {
  return {record(category).units.begin(), record(category).units.end()};
}

std::vector<std::string> othernames(const void* category, std::string_view unit) {
  std::vector<std::string> names;
  for (const UnitRow& row : record(category).rows)
    if (row.listed == unit) {
      names.assign(row.symbols.begin(), row.symbols.end());
      names.insert(names.end(), row.names.begin(), row.names.end());
    }
  return names;
}

std::vector<MultipleNames> multiples(const void* category, std::string_view unit) {
  std::vector<MultipleNames> found;
  const std::span<const std::string_view> units = record(category).units;
  for (const UnitRow& row : record(category).rows) {
    if (!row.listed.empty() || units[static_cast<size_t>(row.base)] != unit) continue;
    found.push_back({{row.symbols.begin(), row.symbols.end()}, std::string(row.exactfactor)});
    found.back().names.insert(found.back().names.end(), row.names.begin(), row.names.end());
  }
  return found;
}

std::vector<Outcome> chart(const void* category, std::string_view value, int mode, int digits) {
  const size_t units = record(category).units.size();
  if (!validdigits(digits)) return std::vector<Outcome>(units * units, baddigits());
  const Chart chart(record(category), value, options(mode, digits));
  std::vector<Outcome> cells;
  cells.reserve(units * units);
  for (int from = 0; from < chart.units(); ++from)
    for (int to = 0; to < chart.units(); ++to) cells.push_back(outcome(chart.at(from, to), value));
  return cells;
}

std::variant<PairRef, Failure> findpair(const std::string_view* category, std::string_view from,
                                        std::string_view to) {
  const auto found =
      resolvepair(category != nullptr ? std::optional(*category) : std::nullopt, from, to);
  if (const auto* error = std::get_if<NameError>(&found)) return failure(*error);
  const NamedPair& pair = std::get<NamedPair>(found);
  return PairRef{pair.category, pair.from.unit().base, pair.to.unit().base, shownname(pair.from),
                 shownname(pair.to)};
}

std::string unitname(const void* category, int unit, const void* multiple) {
  if (multiple != nullptr) return std::string(*static_cast<const std::string_view*>(multiple));
  return std::string(record(category).units[static_cast<size_t>(unit)]);
}

Outcome convert(const PairRef& pair, std::string_view value, int mode, int digits) {
  if (!validdigits(digits)) return baddigits();
  return outcome(convertcell(record(pair.category), value, pair.from, pair.to,
                             options(mode, digits), scale(pair)),
                 value);
}

std::pair<std::uint64_t, std::uint64_t> convertstream(const PairRef& pair, std::istream& in,
                                                      std::ostream& out, int mode, int digits,
                                                      const LineFailure& failure) {
  // Digits outside 1 to 17 fail every line that is not blank, as they fail a single value.
  const bool valid = validdigits(digits);
  const PairConverter converter(record(pair.category), pair.from, pair.to,
                                options(mode, valid ? digits : kResultDigits), scale(pair));
  if (!valid) {
    std::uint64_t lines = 0, failed = 0;
    for (std::string line; std::getline(in, line) && out << '\n';) {
      ++lines;
      if (isblankline(line)) continue;
      ++failed;
      if (failure) failure(lines, baddigits().message);
    }
    return {lines, failed};
  }
  const StreamSummary summary = convertstream(
      converter, in, out,
      [&failure](std::uint64_t line, std::string_view value, const RuntimeError* error) {
        if (failure) failure(line, cannotconvert(value, error));
      },
      [&failure](std::uint64_t line) {
        if (failure) failure(line, std::string(kSkippedLine));
      });
  return {summary.lines, summary.failed};
}

std::vector<std::pair<std::string, std::string>> search(std::string_view word) {
  std::vector<std::pair<std::string, std::string>> found;
  for (const UnitChoice& unit : merovane::unitscontaining(word))
    found.emplace_back(unit.shown, unit.category->caption);
  return found;
}

}  // namespace merovane::bridge
