// libmerovane: Merovane's conversions for other programs, by the names people type. C++17.
//
//   auto pair = merovane::Pair::find("ft", "m");       // or find("Length", "ft", "m")
//   if (!pair) std::cerr << pair.error().message() << '\n';
//   merovane::Result r = pair->convert(5.0);           // r.value() == 1.524, r.text() "1.524"
//   auto t = pair->convert("12", merovane::Mode::Tables);  // the window's figure, as text
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
//
// ABI: each class holds only a pointer to its data (and a Unit its row's place), so that the
// library can grow without moving what a program built against it sees.
#pragma once

#include <cassert>
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
#include "merovane/version.h"

namespace merovane {
// The engine's records of a category and of a unit, which the public classes refer to.
struct CategoryRecord;
struct UnitRow;

inline namespace v1 {

// The library's version, "0.4.0" (MEROVANE_VERSION_STRING is the header's).
MEROVANE_EXPORT const char* version();

// Why a name, or a request, gave no answer.
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
  // `listed`: the valid names where none is near (the categories, or a category's units);
  // `category`: the category a unit was looked for in, if one was named.
  Error(Kind kind, std::string message, std::vector<std::string> candidates = {},
        std::vector<std::string> listed = {}, std::string category = {});
  Kind kind() const;
  // One line: `unknown unit "celcius"; did you mean Celsius?`
  const std::string& message() const;
  // The message and then the valid names, a line each, where none is near (no line end after
  // the last): `unknown category "x"; the categories are:` and the captions.
  std::string details() const;
  const std::vector<std::string>& candidates() const;
  // The valid names details() lists; empty where a name is near or the error lists none.
  const std::vector<std::string>& listed() const;
  // The caption of the category a unit was looked for in; empty if none was named.
  const std::string& category() const;

 private:
  struct Data;
  std::shared_ptr<const Data> data_;
};

// A value or the error that stands in its place. Reaching into one for what it does not hold
// (the value of one not found, the error of one found) is the caller's error, asserted in
// debug builds.
template <class T>
class Found {
 public:
  Found(T value) : held_(std::move(value)) {}      // NOLINT: found
  Found(Error error) : held_(std::move(error)) {}  // NOLINT: not found
  explicit operator bool() const { return held_.index() == 0; }
  const T& operator*() const { return *operator->(); }
  const T* operator->() const {
    assert(held_.index() == 0 && "merovane::Found holds no value: check it first");
    return &std::get<0>(held_);
  }
  const Error& error() const {
    assert(held_.index() == 1 && "merovane::Found holds a value, not an error");
    return std::get<1>(held_);
  }

 private:
  std::variant<T, Error> held_;
};

// What one conversion gave: its text and its number, or why there is none.
class MEROVANE_EXPORT Result {
 public:
  enum class Status : std::uint8_t {
    Converted,  // text() and value() are the result
    Nothing,    // the category converts nothing for this text (an empty one)
    Failed,     // error() is the description the window's message box shows
  };
  // Why a conversion failed.
  enum class Failure : std::uint8_t {
    None,               // converted, or nothing to convert
    NotANumber,         // the text is no number ("Type mismatch")
    Overflow,           // a value or result beyond the double range
    BelowAbsoluteZero,  // a temperature below absolute zero, by the definitions
    NotInTables,        // by the tables, a unit the window's tables do not hold
    BadDigits,          // digits outside Options' range
    NoSuchUnit,         // a unit position outside the category's
    TooExact,           // a request whose exact fractions grow too large to work out
  };
  Result(Status status, std::string text, std::string message = {}, double value = 0,
         Failure failure = Failure::None);
  Status status() const;
  bool converted() const { return status() == Status::Converted; }
  Failure failure() const;
  // The result's text, rounded to the options' digits; empty unless converted.
  const std::string& text() const;
  // The result's number: the exact result rounded once to a double (by the tables, the
  // window's figure); NaN unless converted. With several destination units, the whole quantity
  // in the last of them.
  double value() const;
  // Why it failed ("Type mismatch"); empty unless failed.
  const std::string& error() const;
  // Why there is no result, in one line naming the value:
  // `cannot convert "1,5": Type mismatch (write numbers like 1.5, -2 or 3E+8)`; empty if converted.
  const std::string& message() const;

 private:
  struct Data;
  std::shared_ptr<const Data> data_;
};

// Lines read by a stream, and how many of them (not blank) did not convert.
struct StreamCount {
  std::uint64_t lines = 0;
  std::uint64_t failed = 0;
};

// Called for each line of a stream that did not convert: its number (from 1) and why, in one
// line (a value's Result::message(), or that the line was too long and was skipped).
using LineFailure = std::function<void(std::uint64_t line, const std::string& message)>;

class Category;

// A unit of a category.
class MEROVANE_EXPORT Unit {
 public:
  // As it shows: its listed name, or its first symbol or name.
  std::string name() const;
  // The window's listed name ("Feet"); empty for a unit the window does not list.
  std::string listed() const;
  std::vector<std::string> symbols() const;  // matched as written: "ft", "'"
  std::vector<std::string> names() const;    // other names, matched ignoring case: "foot"
  Category category() const;
  // Its definition as written ("12 in").
  std::string definition() const;
  // Its size in the category's reference unit as an exact fraction ("381/1250"); empty where it
  // is no multiple of the reference (a temperature scale's offset, a reciprocal reading).
  std::string exact() const;
  // That size as a double (0.3048); NaN where exact() is empty.
  double value() const;
  // What it is, as merovane-convert --list says it: the definition, and the exact size where
  // that is a decimal and says more ("12 in = 0.3048 m").
  std::string description() const;
  // Whether the window's tables hold it: a listed unit or a multiple of one.
  bool intables() const;
  // A listed unit's multiples the window's tables convert through it (kWh of Watt-hours).
  std::vector<Unit> multiples() const;
  // How many of its listed unit a multiple is, exactly ("1000", "1/760"); "1" for a listed
  // unit; empty for a unit the tables do not hold.
  std::string factor() const;

  friend bool operator==(const Unit& one, const Unit& other) { return one.row_ == other.row_; }
  friend bool operator!=(const Unit& one, const Unit& other) { return one.row_ != other.row_; }

 private:
  Unit(const CategoryRecord& category, const UnitRow& row) : category_(&category), row_(&row) {}
  friend struct EngineAccess;
  const CategoryRecord* category_;
  const UnitRow* row_;
};

// Every pair of one category's units for one value.
class MEROVANE_EXPORT Chart {
 public:
  // The category's units, in its order: the rows' and the columns'.
  const std::vector<std::string>& units() const;
  // The cell from unit `from` to unit `to` (positions in units()); outside them, a failed result.
  const Result& at(std::size_t from, std::size_t to) const;

 private:
  struct Data;
  friend struct EngineAccess;
  explicit Chart(std::shared_ptr<const Data> data) : data_(std::move(data)) {}
  std::shared_ptr<const Data> data_;
};

// One of the categories: the window's twelve, then those only the definitions convert.
class MEROVANE_EXPORT Category {
 public:
  static std::vector<Category> all();
  // By its caption, ignoring case ("length").
  static Found<Category> find(std::string_view caption);

  std::string caption() const;
  // The unit every unit's exact size is counted in ("m").
  std::string reference() const;
  // Whether the window shows it, with its tables.
  bool intables() const;
  // Every unit: the window's listed units first, in its order, then the others.
  std::vector<Unit> units() const;
  // The names of the units the window lists, in its order.
  std::vector<std::string> listed() const;
  // Every pair of the listed units (of every unit, in a category the window does not show).
  Chart chart(std::string_view value, const Options& options = {}) const;

  friend bool operator==(const Category& one, const Category& other) {
    return one.record_ == other.record_;
  }
  friend bool operator!=(const Category& one, const Category& other) { return !(one == other); }

 private:
  explicit Category(const CategoryRecord& record) : record_(&record) {}
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

  Category category() const;
  Unit from() const;
  Unit to() const;
  // The units as they show: listed names, or a multiple's name as it was typed.
  std::string fromname() const;
  std::string toname() const;
  // Whether the window's tables hold both units (Mode::Tables converts only such pairs).
  bool intables() const;

  // A number, by the definitions unless the options ask for the tables.
  Result convert(double value, const Options& options = {}) const;
  // A text as the window reads it ("1", "2.5", "1E+3").
  Result convert(std::string_view value, const Options& options = {}) const;
  // Each line of `in` to a line of `out`: the result, or an empty line where it did not convert.
  StreamCount convert(std::istream& in, std::ostream& out, const Options& options = {}) const;
  // The same, telling `failure` of each line that did not convert.
  StreamCount convert(std::istream& in, std::ostream& out, const Options& options,
                      const LineFailure& failure) const;

 private:
  struct Data;
  friend struct EngineAccess;
  explicit Pair(std::shared_ptr<const Data> data) : data_(std::move(data)) {}
  std::shared_ptr<const Data> data_;
};

// A request as people write it: a quantity, an optional "to" (or "->"), and a destination.
//
//   auto query = merovane::Query::read("5 ft 3 in to cm");  // or read({"5'3\"", "cm"})
//   query->convert().value() == 160.02
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
  Pair pair() const;
  // The quantity as read: "5 ft 3 in".
  const std::string& quantity() const;
  // Whether it is one plain number in one unit into one unit, which the tables may convert.
  bool plain() const;
  Result convert(const Options& options = {}) const;

 private:
  struct Data;
  friend struct EngineAccess;
  explicit Query(std::shared_ptr<const Data> data) : data_(std::move(data)) {}
  std::shared_ptr<const Data> data_;
};

// A unit whose name, other names or symbols contain a word.
class MEROVANE_EXPORT Match {
 public:
  // The name that matched, as it shows ("Kilowatt-hours").
  const std::string& name() const;
  Unit unit() const;
  Category category() const;

 private:
  struct Data;
  friend struct EngineAccess;
  explicit Match(std::shared_ptr<const Data> data) : data_(std::move(data)) {}
  std::shared_ptr<const Data> data_;
};
// Every one, ignoring case; with Mode::Tables only the units the window's tables hold.
MEROVANE_EXPORT std::vector<Match> search(std::string_view word, Mode mode = Mode::Precise);

}  // namespace v1
}  // namespace merovane
