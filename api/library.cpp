// libmerovane's public classes: a thin face on the engine, which returns the public types.
#include <stdexcept>

#include "api/namelookup.h"
#include "api/quote.h"
#include "api/request.h"
#include "api/resolver.h"
#include "categories/categories.h"
#include "core/about.h"
#include "engine/conversion.h"
#include "engine/stream.h"
#include "merovane/merovane.h"

namespace merovane::v0 {

// What the public classes hold of the engine's records.
struct EngineAccess {
  static PairConverter converter(const Pair& pair, const Options& options) {
    return PairConverter(*pair.category_, pair.from_, pair.to_, options);
  }
  static Pair pair(const NamedPair& named) {
    return Pair(*named.category, named.from.row, named.to.row, typedname(named.from),
                typedname(named.to));
  }
  static std::string name(const Pair& pair, bool from) {
    if (const std::string_view* typed = from ? pair.fromname_ : pair.toname_)
      return std::string(*typed);
    return std::string(
        pair.category_->rows[static_cast<size_t>(from ? pair.from_ : pair.to_)].listed);
  }

  static Query query(const ReadRequest& request) {
    const Pair pair = EngineAccess::pair(NamedPair{request.category, request.terms.front().choice,
                                                   request.destination.back().choice});
    return Query(pair, request.quantity(), std::make_shared<const ReadRequest>(request));
  }
  static const ReadRequest& request(const Query& query) { return *query.request_; }

 private:
  // The element of a multiple's row that the choice shows, which the pair keeps; nullptr for a
  // listed unit.
  static const std::string_view* typedname(const UnitChoice& choice) {
    if (!choice.unit().listed.empty()) return nullptr;
    for (std::span<const std::string_view> names : {choice.unit().symbols, choice.unit().names})
      for (const std::string_view& name : names)
        if (name.data() == choice.shown.data()) return &name;
    return nullptr;
  }
};

namespace {

// A name that does not resolve, as the public error: the one-line message, and the message with
// the valid names, a line each, as a single call shows them.
Error toerror(const NameError& error, std::vector<std::string> candidates) {
  std::string details = error.line + error.detail;
  for (std::string_view name : error.list) details.append("\n").append(name);
  return Error(static_cast<Error::Kind>(error.kind),
               error.line + (error.list.empty() ? error.detail : ""), std::move(candidates),
               std::move(details));
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

bool Category::intables() const {
  return record_->table != nullptr;
}

std::vector<std::string> Category::units() const {
  return {record_->units.begin(), record_->units.end()};
}

std::vector<Unit> Category::allunits() const {
  std::vector<Unit> all;
  for (const UnitRow& row : record_->rows) {
    Unit& unit = all.emplace_back();
    unit.name = row.shown();
    unit.symbols.assign(row.symbols.begin(), row.symbols.end());
    unit.names.assign(row.names.begin(), row.names.end());
    unit.definition = row.definition;
    // Its size in the reference unit, where that says more than the definition ("12 in =
    // 0.3048 m", not "8 bit = 8 bits").
    const std::string size(row.exactsize);
    if (!size.empty() && size != "1" && !row.definition.starts_with(size + " "))
      unit.definition.append(" = ").append(size).append(" ").append(record_->reference);
    unit.intables = row.intables();
  }
  return all;
}

std::vector<std::string> Category::othernames(std::string_view unit) const {
  std::vector<std::string> names;
  for (const UnitRow& row : record_->rows)
    if (row.listed == unit) {
      names.assign(row.symbols.begin(), row.symbols.end());
      names.insert(names.end(), row.names.begin(), row.names.end());
    }
  return names;
}

std::vector<Multiple> Category::multiples(std::string_view unit) const {
  std::vector<Multiple> found;
  for (const UnitRow& row : record_->rows) {
    if (!row.listed.empty() || !row.intables() ||
        record_->units[static_cast<size_t>(row.base)] != unit)
      continue;
    found.push_back({{row.symbols.begin(), row.symbols.end()}, std::string(row.exactfactor)});
    found.back().names.insert(found.back().names.end(), row.names.begin(), row.names.end());
  }
  return found;
}

Chart Category::chart(std::string_view value, Options options) const {
  std::vector<std::string> names;
  for (int unit = 0; unit < chartunits(*record_); ++unit)
    names.emplace_back(record_->rows[static_cast<size_t>(unit)].shown());
  return Chart(std::move(names), merovane::chart(*record_, value, options));
}

Found<Pair> Pair::find(std::string_view from, std::string_view to) {
  return found(resolvepair(std::nullopt, from, to));
}

Found<Pair> Pair::find(std::string_view category, std::string_view from, std::string_view to) {
  return found(resolvepair(category, from, to));
}

std::string Pair::from() const {
  return EngineAccess::name(*this, true);
}

std::string Pair::to() const {
  return EngineAccess::name(*this, false);
}

bool Pair::intables() const {
  return merovane::intables(*category_, from_, to_);
}

Result Pair::convert(std::string_view value, Options options) const {
  return EngineAccess::converter(*this, options).convert(value);
}

StreamCount Pair::convert(std::istream& in, std::ostream& out, Options options) const {
  return convert(in, out, options, nullptr);
}

StreamCount Pair::convert(std::istream& in, std::ostream& out, Options options,
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

Result Query::convert(Options options) const {
  const ReadRequest& request = EngineAccess::request(*this);
  if (request.plain) {
    const std::string sign = request.negative ? "-" : "";
    return pair_.convert(sign + request.terms.front().number, options);
  }
  const auto refused = [](std::string message) {
    return Result(Result::Status::Failed, message, message);
  };
  if (options.mode == Mode::Tables) return refused(tablesrefusal(request));
  if (!options.validdigits()) return pair_.convert("1", options);  // the digits' own failure
  try {
    return Result(Result::Status::Converted, exactresult(request, options.digits));
  } catch (const std::overflow_error&) {
    return refused("cannot work out " + quoted(quantity_) +
                   " exactly: its fractions are too large");
  }
}

std::vector<Match> search(std::string_view word) {
  return search(word, Mode::Precise);
}

std::vector<Match> search(std::string_view word, Mode mode) {
  std::vector<Match> matches;
  for (const UnitChoice& unit : unitscontaining(word))
    if (mode == Mode::Precise || merovane::intables(*unit.category, unit.row, unit.row))
      matches.push_back({std::string(unit.shown), std::string(unit.category->caption)});
  return matches;
}

}  // namespace merovane::v0
