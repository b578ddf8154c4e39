// The other names a unit answers to, beside the name its category lists: symbols, matched as
// written because case carries meaning (mB is not MB), and names, matched ignoring case and the
// blanks around "/". Beside them: multiples of a listed unit (kWh, bar), names that stand for
// several units on purpose (hp), and the written forms people type for the data's spelling
// (metre, m^2, sq ft). Each category keeps its own as data beside its unit list.
#pragma once

#include <string_view>

namespace merovane {

struct UnitName {
  enum class Kind : bool { Symbol, Name };
  std::string_view text;
  std::string_view unit;  // the unit as its category lists it
  Kind kind;
};

constexpr UnitName symbol(std::string_view text, std::string_view unit) {
  return {text, unit, UnitName::Kind::Symbol};
}
constexpr UnitName name(std::string_view text, std::string_view unit) {
  return {text, unit, UnitName::Kind::Name};
}

// A unit that is an exact multiple of a listed one: one of it is `factor` of the listed unit.
// The factor is kept twice: as the double a conversion multiplies by, and exactly, as the
// quotient of two decimal texts, for arithmetic that keeps every digit.
struct UnitMultiple {
  UnitName name;  // its symbol or name, and the listed unit it multiplies
  double factor;
  std::string_view numerator;
  std::string_view denominator = "1";
};

constexpr UnitMultiple multiple(UnitName name, double factor, std::string_view numerator,
                                std::string_view denominator = "1") {
  return {name, factor, numerator, denominator};
}

// A name that stands for more than one unit of its category: one entry per unit it may mean,
// all with the same text. It picks none of them; it answers with the candidates.
constexpr UnitName ambiguous(std::string_view text, std::string_view unit) {
  return name(text, unit);
}

// A way of writing part of a name other than the data's: the typed piece, matched ignoring
// case, stands for the data's piece. Anywhere replaces it wherever it stands ("metre" is
// "meter", "^2" is "2"); Before stands at the start of a symbol and is written as its end
// ("sq ft" is "ft2").
struct WrittenForm {
  enum class Place : bool { Anywhere, Before };
  std::string_view typed;
  std::string_view written;
  Place place = Place::Anywhere;
};

}  // namespace merovane
