// libmerovane's public classes, over the engine through api/bridge.h.
#include <istream>

#include "api/bridge.h"
#include "merovane/merovane.h"

namespace merovane::v0 {
namespace {

Result toresult(bridge::Outcome outcome) {
  return Result(static_cast<Result::Status>(outcome.status), std::move(outcome.text),
                std::move(outcome.message));
}

Error toerror(bridge::Failure failure) {
  return Error(static_cast<Error::Kind>(failure.kind), std::move(failure.message),
               std::move(failure.candidates), std::move(failure.details));
}

}  // namespace

// Reaches the pair's handle for the bridge.
struct PairAccess {
  static bridge::PairRef ref(const Pair& pair) {
    return {pair.category_, pair.from_, pair.to_, pair.frommultiple_, pair.tomultiple_};
  }
  static Found<Pair> found(const std::variant<bridge::PairRef, bridge::Failure>& answer) {
    if (const auto* failure = std::get_if<bridge::Failure>(&answer)) return toerror(*failure);
    const bridge::PairRef& ref = std::get<bridge::PairRef>(answer);
    return Pair(ref.category, ref.from, ref.to, ref.frommultiple, ref.tomultiple);
  }
};

const char* version() {
  return bridge::version();
}

Error::Error(Kind kind, std::string message, std::vector<std::string> candidates,
             std::string details)
    : kind_(kind),
      message_(std::move(message)),
      candidates_(std::move(candidates)),
      details_(std::move(details)) {}

Result::Result(Status status, std::string text, std::string message)
    : status_(status), text_(std::move(text)), message_(std::move(message)) {}

Chart::Chart(std::vector<std::string> units, std::vector<Result> cells)
    : units_(std::move(units)),
      cells_(std::move(cells)),
      outside_(Result::Status::Failed, "No such unit in this category",
               "no such unit in this category") {}

const Result& Chart::at(std::size_t from, std::size_t to) const {
  if (from >= units_.size() || to >= units_.size()) return outside_;
  return cells_[from * units_.size() + to];
}

std::vector<Category> Category::all() {
  std::vector<Category> all;
  for (const void* record : bridge::categories()) all.push_back(Category(record));
  return all;
}

Found<Category> Category::find(std::string_view caption) {
  if (const void* record = bridge::findcategory(caption)) return Category(record);
  return toerror(bridge::unknowncategory(caption));
}

std::string Category::caption() const {
  return bridge::caption(record_);
}

std::vector<std::string> Category::units() const {
  return bridge::units(record_);
}

std::vector<std::string> Category::othernames(std::string_view unit) const {
  return bridge::othernames(record_, unit);
}

std::vector<Multiple> Category::multiples(std::string_view unit) const {
  std::vector<Multiple> found;
  for (bridge::MultipleNames& each : bridge::multiples(record_, unit))
    found.push_back({std::move(each.names), std::move(each.factor)});
  return found;
}

Chart Category::chart(std::string_view value, Options options) const {
  std::vector<Result> cells;
  for (bridge::Outcome& cell :
       bridge::chart(record_, value, static_cast<int>(options.mode), options.digits))
    cells.push_back(toresult(std::move(cell)));
  return Chart(units(), std::move(cells));
}

Found<Pair> Pair::find(std::string_view from, std::string_view to) {
  return PairAccess::found(bridge::findpair(nullptr, from, to));
}

Found<Pair> Pair::find(std::string_view category, std::string_view from, std::string_view to) {
  return PairAccess::found(bridge::findpair(&category, from, to));
}

std::string Pair::from() const {
  return bridge::unitname(category_, from_, frommultiple_);
}

std::string Pair::to() const {
  return bridge::unitname(category_, to_, tomultiple_);
}

Result Pair::convert(std::string_view value, Options options) const {
  return toresult(bridge::convert(PairAccess::ref(*this), value, static_cast<int>(options.mode),
                                  options.digits));
}

StreamCount Pair::convert(std::istream& in, std::ostream& out, Options options) const {
  return convert(in, out, options, nullptr);
}

StreamCount Pair::convert(std::istream& in, std::ostream& out, Options options,
                          const LineFailure& failure) const {
  const auto [lines, failed] = bridge::convertstream(
      PairAccess::ref(*this), in, out, static_cast<int>(options.mode), options.digits, failure);
  return {lines, failed};
}

std::vector<Match> search(std::string_view word) {
  std::vector<Match> matches;
  for (auto& [name, category] : bridge::search(word))
    matches.push_back({std::move(name), std::move(category)});
  return matches;
}

}  // namespace merovane::v0
