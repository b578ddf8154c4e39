// libmerovane's public classes: a thin face on the engine, which returns the public types.
#include <stdexcept>

#include "api/engineaccess.h"
#include "api/namelookup.h"
#include "api/quote.h"
#include "api/request.h"
#include "api/resolver.h"
#include "categories/categories.h"
#include "core/about.h"
#include "engine/conversion.h"
#include "engine/stream.h"
#include "merovane/merovane.h"

namespace merovane {
inline namespace v1 {
namespace {

Error toerror(const NameError& error, std::vector<std::string> candidates) {
  return Error(
      static_cast<Error::Kind>(error.kind), error.line + error.detail, std::move(candidates),
      std::vector<std::string>(error.list.begin(), error.list.end()), std::string(error.category));
}
Error toerror(const NameError& error) {
  return toerror(error, error.candidates);
}

Found<Pair> found(const std::variant<NamedPair, NameError>& answer) {
  if (const auto* error = std::get_if<NameError>(&answer)) return toerror(*error);
  return EngineAccess::pair(std::get<NamedPair>(answer));
}

}  // namespace

const char* version() {
  return kVersion;
}

std::vector<Category> Category::all() {
  std::vector<Category> all;
  for (const CategoryRecord& record : categories()) all.push_back(Category(record));
  return all;
}

Found<Category> Category::find(std::string_view caption) {
  const auto found = resolvecategory(caption);
  if (const auto* record = std::get_if<const CategoryRecord*>(&found)) return Category(**record);
  // The categories are its candidates.
  const NameError& error = std::get<NameError>(found);
  return toerror(error, std::vector<std::string>(error.list.begin(), error.list.end()));
}

std::string Category::caption() const {
  return std::string(record_->caption);
}

std::string Category::reference() const {
  return std::string(record_->reference);
}

bool Category::intables() const {
  return record_->table != nullptr;
}

std::vector<Unit> Category::units() const {
  std::vector<Unit> all;
  for (size_t row = 0; row < record_->rows.size(); ++row)
    all.push_back(EngineAccess::unit(*record_, static_cast<int>(row)));
  return all;
}

std::vector<std::string> Category::listed() const {
  return {record_->units.begin(), record_->units.end()};
}

Chart Category::chart(std::string_view value, const Options& options) const {
  std::vector<std::string> names;
  for (int unit = 0; unit < chartunits(*record_); ++unit)
    names.emplace_back(record_->rows[static_cast<size_t>(unit)].shown());
  return EngineAccess::chart(std::move(names),
                             merovane::chart(*record_, value, EngineAccess::received(options)));
}

const std::vector<std::string>& Chart::units() const {
  return data_->units;
}

const Result& Chart::at(std::size_t from, std::size_t to) const {
  if (from >= data_->units.size() || to >= data_->units.size()) return data_->outside;
  return data_->cells[from * data_->units.size() + to];
}

Found<Pair> Pair::find(std::string_view from, std::string_view to) {
  return found(resolvepair(std::nullopt, from, to));
}

Found<Pair> Pair::find(std::string_view category, std::string_view from, std::string_view to) {
  return found(resolvepair(category, from, to));
}

Category Pair::category() const {
  return EngineAccess::category(*data_->category);
}

Unit Pair::from() const {
  return EngineAccess::unit(*data_->category, data_->from);
}

Unit Pair::to() const {
  return EngineAccess::unit(*data_->category, data_->to);
}

std::string Pair::fromname() const {
  if (data_->fromname != nullptr) return std::string(*data_->fromname);
  return from().name();
}

std::string Pair::toname() const {
  if (data_->toname != nullptr) return std::string(*data_->toname);
  return to().name();
}

bool Pair::intables() const {
  return merovane::intables(*data_->category, data_->from, data_->to);
}

Result Pair::convert(double value, const Options& options) const {
  return EngineAccess::converter(*this, options).convert(value);
}

Result Pair::convert(std::string_view value, const Options& options) const {
  return EngineAccess::converter(*this, options).convert(value);
}

StreamCount Pair::convert(std::istream& in, std::ostream& out, const Options& options) const {
  return convert(in, out, options, nullptr);
}

StreamCount Pair::convert(std::istream& in, std::ostream& out, const Options& options,
                          const LineFailure& failure) const {
  return convertstream(EngineAccess::converter(*this, options), in, out, failure);
}

namespace {

Found<Query> readquery(std::span<const std::string> words,
                       std::optional<std::string_view> category) {
  auto read = readrequest(words, category);
  if (const auto* request = std::get_if<ReadRequest>(&read)) return EngineAccess::query(*request);
  const RequestError& error = std::get<RequestError>(read);
  if (error.name) return toerror(*error.name);
  return Error(Error::Kind::Unreadable, error.unreadable);
}

}  // namespace

Found<Query> Query::read(std::string_view text) {
  const std::string words[] = {std::string(text)};
  return readquery(words, std::nullopt);
}

Found<Query> Query::read(const std::vector<std::string>& words, std::string_view category) {
  return readquery(words, category.empty() ? std::nullopt : std::optional(category));
}

Pair Query::pair() const {
  return data_->pair;
}

const std::string& Query::quantity() const {
  return data_->quantity;
}

bool Query::plain() const {
  return data_->request.plain;
}

Result Query::convert(const Options& given) const {
  const Options options = EngineAccess::received(given);
  const ReadRequest& request = data_->request;
  if (request.plain) {
    const std::string sign = request.negative ? "-" : "";
    return data_->pair.convert(sign + request.terms.front().number, options);
  }
  const auto refused = [](std::string message, Result::Failure failure) {
    return Result(Result::Status::Failed, message, message, 0, failure);
  };
  if (options.mode() == Mode::Tables)
    return refused(tablesrefusal(request), Result::Failure::NotInTables);
  if (!options.validdigits()) return data_->pair.convert("1", options);  // the digits' own failure
  try {
    return Result(Result::Status::Converted, exactresult(request, options.digits()), "",
                  exactvalue(request));
  } catch (const std::overflow_error&) {
    return refused(
        "cannot work out " + quoted(data_->quantity) + " exactly: its fractions are too large",
        Result::Failure::TooExact);
  }
}

const std::string& Match::name() const {
  return data_->name;
}

Unit Match::unit() const {
  return data_->unit;
}

Category Match::category() const {
  return data_->unit.category();
}

std::vector<Match> search(std::string_view word, Mode mode) {
  std::vector<Match> matches;
  for (const UnitChoice& unit : unitscontaining(word))
    if (mode == Mode::Precise || merovane::intables(*unit.category, unit.row, unit.row))
      matches.push_back(EngineAccess::match(unit));
  return matches;
}

}  // namespace v1
}  // namespace merovane
