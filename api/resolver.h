// From the names people type to units: a listed name, another name or symbol, a multiple of a
// listed unit, a written form (metre, m^2, sq ft), or a slip of case; and when a name picks no
// one unit, the units it may mean or the nearest names. One resolver for the command line and
// any other program.
//
// Names match ignoring case and the blanks around "/", symbols as written. A symbol that
// matches nothing as written, in any category, but one unit ignoring case is taken, unless the
// change of case swaps a meaning: an SI prefix (Mg is not mg), bits for bytes (Mb is not MB), or
// a text that is the symbol of several units ignoring case (KN: kN and kn).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/category.h"

namespace merovane {

// Whether two names are the same, ignoring ASCII case and the blanks around "/".
bool samename(std::string_view a, std::string_view b);

// The category whose caption is `name`, ignoring case; nullptr if none.
const CategoryRecord* findcategory(std::string_view name);

// A unit as typed: a row of a category, a listed unit or a multiple of one.
struct UnitChoice {
  const CategoryRecord* category = nullptr;
  int row = -1;  // its position in the category's rows
  // The name it shows as: the listed name of a listed unit, or the symbol or name of a multiple
  // that was typed (kWh, Kilowatt-hours).
  std::string_view shown;

  const UnitRow& unit() const { return category->rows[static_cast<size_t>(row)]; }
  friend bool operator==(const UnitChoice&, const UnitChoice&) = default;
};

// What a typed name names.
struct Answer {
  enum class Kind : std::uint8_t {
    Unit,       // units.front()
    Ambiguous,  // units: every unit it may mean, each picked by its name()
    Unknown,    // suggestions: up to five names, maybe none: the symbols a change of case
                // would have read it as, then the nearest names, nearest first
  };
  Kind kind = Kind::Unknown;
  std::vector<UnitChoice> units;
  std::vector<std::string_view> suggestions;
};

// How far a reading goes.
enum class Reading : std::uint8_t {
  AsWritten,     // names ignoring case, symbols as written
  IgnoringCase,  // and, when that finds nothing, symbols ignoring case
};

// What `typed` names within `category`, or within every category when it is nullptr.
Answer resolve(std::string_view typed, const CategoryRecord* category = nullptr,
               Reading reading = Reading::IgnoringCase);

// Two units of one category, to convert between.
struct PairChoice {
  UnitChoice from, to;
};

// What a pair of typed names names: a pair, or why not.
struct PairAnswer {
  enum class Kind : std::uint8_t {
    Pair,               // pair
    Unresolved,         // `from` or `to` (the first that fails) is ambiguous or unknown
    NoCommonCategory,   // both are units, of categories that differ: sources, destinations
    SeveralCategories,  // both are units of each of `categories`
  };
  Kind kind = Kind::Unresolved;
  std::optional<PairChoice> pair;
  // Unresolved: which name, and its answer.
  bool fromfailed = false;
  Answer failure;
  std::vector<const CategoryRecord*> sources, destinations, categories;
};

// The pair `from` to `to` within `category`. Without one (nullptr), the category that holds
// both: readings as written first, and readings ignoring case only if no category holds both
// as written (`c f` is Celsius to Fahrenheit, though `c` alone is the speed of light).
PairAnswer resolvepair(std::string_view from, std::string_view to,
                       const CategoryRecord* category = nullptr);

// Every unit and multiple whose names contain `word` ignoring case, in the categories' order.
std::vector<UnitChoice> unitscontaining(std::string_view word);

}  // namespace merovane
