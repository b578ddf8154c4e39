// libmerovane: Merovane's conversions for other programs, by the names people type.
//
//   auto pair = merovane::Pair::find("mi", "m");     // or find("Length", "mi", "m")
//   if (!pair) std::cerr << pair.error().message() << '\n';
//   merovane::Result r = pair->convert("1");         // r.text() == "1609.344"
//   auto t = pair->convert("1", merovane::Mode::Tables);  // the window's figure
//
// A conversion goes by the units' exact definitions unless its options ask for the window's
// tables (Mode::Tables), which hold only the window's units and their multiples.
//
// Names resolve as merovane-convert takes them: listed names and other names ignoring case,
// symbols as written, multiples (kWh, bar, nmi), written forms (metre, m^2, sq ft) and slips of
// case; a name that picks no one unit answers with its candidates or the nearest names.
//
// Threads: conversions keep no state and every object here is an immutable value, so any calls
// may run at once from many threads, on shared objects too.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "merovane/export.h"
#include "merovane/options.h"

namespace merovane {
// The engine's record of a category, which the public classes refer to.
struct CategoryRecord;
// A request as the grammar read it, which a Query holds.
struct ReadRequest;

inline namespace v0 {

// The library's version, "0.3.0".
MEROVANE_EXPORT const char* version();

// Why a name, or a call, gave no answer.
class MEROVANE_EXPORT Error {
 public:
  enum class Kind : std::uint8_t {
    UnknownCategory,
    UnknownUnit,        // candidates(): the nearest names, maybe none
    Ambiguous,          // candidates(): a name for each unit it may mean
    NoCommonCategory,   // the two units are of different categories
    SeveralCategories,  // both units are in each of candidates(): name one
    Unreadable,         // a request with a word that has no place in it: message() says which
    NotInTables,        // by the tables, a unit or category the window's tables do not hold
  };
  Error(Kind kind, std::string message, std::vector<std::string> candidates = {},
        std::string details = {});
  Kind kind() const { return kind_; }
  // One line, as merovane-convert answers a line of its standard input:
  // `unknown unit "celcius"; did you mean Celsius?`
  const std::string& message() const { return message_; }
  // As a single call of merovane-convert says it: where a wrong name's valid names are listed,
  // or those names, a line each after the first (no line end after the last).
  const std::string& details() const { return details_.empty() ? message_ : details_; }
  const std::vector<std::string>& candidates() const { return candidates_; }

 private:
  Kind kind_;
  std::string message_;
  std::vector<std::string> candidates_;
  std::string details_;
};

// A value or the error that stands in its place.
template <class T>
class Found {
 public:
  Found(T value) : held_(std::move(value)) {}      // NOLINT: found
  Found(Error error) : held_(std::move(error)) {}  // NOLINT: not found
  explicit operator bool() const { return held_.index() == 0; }
  const T& operator*() const { return std::get<0>(held_); }
  const T* operator->() const { return &std::get<0>(held_); }
  const Error& error() const { return std::get<1>(held_); }

 private:
  std::variant<T, Error> held_;
};

// What converting one text gave.
class MEROVANE_EXPORT Result {
 public:
  enum class Status : std::uint8_t {
    Converted,  // text() is the result, as the window shows it
    Nothing,    // the category converts nothing for this text (an empty one)
    Failed,     // error() is the description the window's message box shows
  };
  Result(Status status, std::string text, std::string message = {});
  Status status() const { return status_; }
  bool converted() const { return status_ == Status::Converted; }
  // The result's text; empty unless converted.
  const std::string& text() const { return status_ == Status::Converted ? text_ : empty_; }
  // Why it failed ("Type mismatch"); empty unless failed.
  const std::string& error() const { return status_ == Status::Failed ? text_ : empty_; }
  // Why there is no result, in one line naming the value, as merovane-convert says it:
  // `cannot convert "1,5": Type mismatch (write numbers like 1.5, -2 or 3E+8)`; empty if converted.
  const std::string& message() const { return message_; }

 private:
  Status status_;
  std::string text_;
  std::string empty_;
  std::string message_;
};

// Lines read by a stream, and how many of them (not blank) did not convert.
struct StreamCount {
  std::uint64_t lines = 0;
  std::uint64_t failed = 0;
};

// Called for each line of a stream that did not convert: its number (from 1) and why, in one
// line (a value's Result::message(), or that the line was too long and was skipped).
using LineFailure = std::function<void(std::uint64_t line, const std::string& message)>;

// A multiple of a unit: its names ("kWh", "Kilowatt-hours") and how many of the unit one of it
// is, a whole number or a fraction ("1000", "1/1000").
struct Multiple {
  std::vector<std::string> names;
  std::string factor;
};

// A unit of a category, as merovane-convert --list shows it.
struct Unit {
  std::string name;                  // as it shows: its listed name, or its first symbol or name
  std::vector<std::string> symbols;  // matched as written
  std::vector<std::string> names;    // matched ignoring case
  // What it is: its definition as written, and its exact size in the category's reference unit
  // where that is a decimal and says more ("12 in = 0.3048 m").
  std::string definition;
  bool intables = false;  // the window's tables hold it: a listed unit or a multiple of one
};

// Every pair of one category's units for one value.
class MEROVANE_EXPORT Chart {
 public:
  // The category's units, in its order: the rows' and the columns'.
  const std::vector<std::string>& units() const { return units_; }
  // The cell from unit `from` to unit `to` (positions in units()); outside them, a failed result.
  const Result& at(std::size_t from, std::size_t to) const;

 private:
  friend class Category;
  Chart(std::vector<std::string> units, std::vector<Result> cells);
  std::vector<std::string> units_;
  std::vector<Result> cells_;
  Result outside_;
};

// One of the categories: the window's twelve, then those only the definitions convert.
class MEROVANE_EXPORT Category {
 public:
  static std::vector<Category> all();
  // By its caption, ignoring case ("length").
  static Found<Category> find(std::string_view caption);

  std::string caption() const;
  // Whether the window shows it, with its tables.
  bool intables() const;
  // The units the window lists, in its order.
  std::vector<std::string> units() const;
  // Every unit: the window's listed units first, in its order, then the others.
  std::vector<Unit> allunits() const;
  // The other names and symbols a unit (by its listed name) answers to.
  std::vector<std::string> othernames(std::string_view unit) const;
  // The multiples of a unit (by its listed name), names of one factor together.
  std::vector<Multiple> multiples(std::string_view unit) const;
  // Every pair of the listed units (of every unit, in a category the window does not show).
  Chart chart(std::string_view value, Options options = {}) const;

 private:
  explicit Category(const CategoryRecord& record) : record_(&record) {}
  friend class Pair;
  friend struct EngineAccess;
  const CategoryRecord* record_;
};

// Two units of one category, to convert between: from a listed unit, another name, a symbol or
// a multiple of either.
class MEROVANE_EXPORT Pair {
 public:
  // Without a category, the one category that holds both units.
  static Found<Pair> find(std::string_view from, std::string_view to);
  static Found<Pair> find(std::string_view category, std::string_view from, std::string_view to);

  Category category() const { return Category(*category_); }
  // The units as they show: listed names, or the multiples' names.
  std::string from() const;
  std::string to() const;
  // Whether the window's tables hold both units (Mode::Tables converts only such pairs).
  bool intables() const;

  // A text as the window reads it ("1", "2.5", "1E+3"), by the definitions unless the options
  // ask for the tables.
  Result convert(std::string_view value, Options options = {}) const;
  Result convert(std::string_view value, Mode mode) const { return convert(value, Options{mode}); }
  // Each line of `in` to a line of `out`: the result, or an empty line where it did not convert.
  StreamCount convert(std::istream& in, std::ostream& out, Options options = {}) const;
  // The same, telling `failure` of each line that did not convert.
  StreamCount convert(std::istream& in, std::ostream& out, Options options,
                      const LineFailure& failure) const;

 private:
  // Two of the category's units, and the names of multiples among them as typed (nullptr for a
  // listed unit, which shows its listed name).
  Pair(const CategoryRecord& category, int from, int to, const std::string_view* fromname,
       const std::string_view* toname)
      : category_(&category), from_(from), to_(to), fromname_(fromname), toname_(toname) {}
  friend struct EngineAccess;
  const CategoryRecord* category_;
  int from_, to_;
  const std::string_view* fromname_;
  const std::string_view* toname_;
};

// A request as people write it: a quantity, an optional "to" (or "->"), and a destination.
//
//   auto query = merovane::Query::read("5 ft 3 in to cm");  // or read({"5'3\"", "cm"})
//   query->convert(merovane::Mode::Precise).text() == "160.02"
//
// The quantity is a number and a unit, joined or not (5 ft, 5ft, -40°F), or a sum of terms of one
// category (5 ft 3 in, 5'3", 6 lb 4 oz), with fractions and mixed numbers (3/4 cup, 1 1/2 cup,
// 1½ cup); the destination one unit or several, largest first (ft in: "5 ft 8.89763779527559
// in"). A quantity of one plain number in one unit converts as Pair::convert does; any other is
// worked out as one exact fraction by the units' definitions and rounded once, which the
// window's tables (Mode::Tables) refuse.
class MEROVANE_EXPORT Query {
 public:
  // The request in one text, or in words that may each hold several (a command's arguments),
  // within `category` unless it is empty.
  static Found<Query> read(std::string_view text);
  static Found<Query> read(const std::vector<std::string>& words, std::string_view category = {});

  // The first unit of the quantity and the last of the destination.
  const Pair& pair() const { return pair_; }
  // The quantity as read: "5 ft 3 in".
  const std::string& quantity() const { return quantity_; }
  Result convert(Options options = {}) const;
  Result convert(Mode mode) const { return convert(Options{mode}); }

 private:
  Query(Pair pair, std::string quantity, std::shared_ptr<const ReadRequest> request)
      : pair_(pair), quantity_(std::move(quantity)), request_(std::move(request)) {}
  friend struct EngineAccess;
  Pair pair_;
  std::string quantity_;
  std::shared_ptr<const ReadRequest> request_;
};

// A unit or multiple whose name, other names or symbols contain a word.
struct Match {
  std::string name;
  std::string category;
};
// Every one, ignoring case.
MEROVANE_EXPORT std::vector<Match> search(std::string_view word);
// With Mode::Tables, only the units the window's tables hold.
MEROVANE_EXPORT std::vector<Match> search(std::string_view word, Mode mode);

}  // namespace v0
}  // namespace merovane
