// What libmerovane's public classes hold of the engine, and how the library builds them: only
// the library's own sources include this.
#pragma once

#include <cstring>
#include <memory>
#include <string_view>

#include "api/namelookup.h"
#include "api/request.h"
#include "core/category.h"
#include "engine/conversion.h"
#include "merovane/merovane.h"

namespace merovane {
inline namespace v1 {

struct Pair::Data {
  const CategoryRecord* category;
  int from, to;  // rows
  // The names of multiples among them as typed (nullptr for a listed unit, which shows its
  // listed name).
  const std::string_view* fromname;
  const std::string_view* toname;
};

struct Query::Data {
  Pair pair;
  std::string quantity;
  ReadRequest request;
};

struct Chart::Data {
  std::vector<std::string> units;
  std::vector<Result> cells;
  Result outside;
};

struct Match::Data {
  Unit unit;
  std::string name;
};

struct EngineAccess {
  // Options as a program gave them: only the fields its options hold are read, the others keep
  // their defaults.
  static Options received(const Options& given) {
    Options options;
    std::memcpy(static_cast<void*>(&options), &given,
                std::min<std::size_t>(given.size(), sizeof(Options)));
    return options;
  }

  static const Pair::Data& data(const Pair& pair) { return *pair.data_; }
  static const Query::Data& data(const Query& query) { return *query.data_; }
  static const CategoryRecord& record(const Category& category) { return *category.record_; }
  static const UnitRow& row(const Unit& unit) { return *unit.row_; }
  static const CategoryRecord& record(const Unit& unit) { return *unit.category_; }

  static Category category(const CategoryRecord& record) { return Category(record); }
  static Unit unit(const CategoryRecord& record, int row) {
    return Unit(record, record.rows[static_cast<size_t>(row)]);
  }
  static int rowof(const Unit& unit) {
    return static_cast<int>(unit.row_ - unit.category_->rows.data());
  }

  static PairConverter converter(const Pair& pair, const Options& options) {
    const Pair::Data& held = *pair.data_;
    return PairConverter(*held.category, held.from, held.to, received(options));
  }
  static Pair pair(const NamedPair& named) {
    return Pair(std::make_shared<const Pair::Data>(Pair::Data{
        named.category, named.from.row, named.to.row, typedname(named.from), typedname(named.to)}));
  }
  static Query query(const ReadRequest& request) {
    const Pair pair = EngineAccess::pair(NamedPair{request.category, request.terms.front().choice,
                                                   request.destination.back().choice});
    return Query(
        std::make_shared<const Query::Data>(Query::Data{pair, request.quantity(), request}));
  }
  static Chart chart(std::vector<std::string> units, std::vector<Result> cells) {
    return Chart(std::make_shared<const Chart::Data>(
        Chart::Data{std::move(units), std::move(cells), nosuchunit()}));
  }
  static Match match(const UnitChoice& choice) {
    return Match(std::make_shared<const Match::Data>(
        Match::Data{unit(*choice.category, choice.row), std::string(choice.shown)}));
  }

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

}  // namespace v1
}  // namespace merovane
