// One unit of a category as the programs see it: one row of its category's data file
// (categories/*.units), worked out by merovane-tablegen at build time. A listed unit is one the
// window lists; a multiple (kWh, bar, nmi) is an exact multiple of a listed unit, which the
// window's tables convert through.
#pragma once

#include <span>
#include <string_view>

namespace merovane {

struct UnitRow {
  std::string_view listed;  // the window's listed name; empty for a multiple
  // Symbols are matched as written, because case carries meaning (mB is not MB); names ignoring
  // case and the blanks around "/".
  std::span<const std::string_view> symbols = {};
  std::span<const std::string_view> names = {};
  // The listed unit the window's tables convert it through (itself if listed); -1 for a unit
  // they do not hold, which converts by its definition only.
  int base = 0;
  double factor = 1;                   // one of it in `base`, as the tables' mode multiplies by it
  std::string_view exactfactor = "1";  // that factor exactly, as --list prints it: "1000", "1/760"
  std::string_view definition = {};    // its definition as its row writes it ("12 in")
  std::string_view exactsize = {};  // its size in the reference unit as a decimal, where one ends
  // Its size in the reference unit exactly, as a rational ("5/9"); for a temperature scale the
  // reference reading of `reading` degrees is reading * size + offset (offset is "0" elsewhere).
  std::string_view size = "1";
  std::string_view offset = "0";
  // Whether a reading counts the reciprocal of the reference unit's (litres per 100 km beside
  // kilometres per litre): the reference reading of `reading` is 1 / (reading * size).
  bool reciprocal = false;

  // Whether the window's tables hold it: a listed unit, or a multiple of one.
  constexpr bool intables() const { return base >= 0; }

  // The name it goes by: its listed name, else its first symbol, else its first name.
  constexpr std::string_view shown() const {
    if (!listed.empty()) return listed;
    return symbols.empty() ? names.front() : symbols.front();
  }
};

// A name that stands for several units of its category on purpose (hp): one entry per unit it
// may mean, all with the same text. It picks none of them; it answers with the candidates.
struct AmbiguousName {
  std::string_view text;
  int row;
};

// A way of writing part of a name other than the data's: the typed piece, matched ignoring case,
// stands for the data's piece. Anywhere replaces it wherever it stands ("metre" is "meter", "^2"
// is "2"); Before stands at the start of a symbol and is written as its end ("sq ft" is "ft2").
struct WrittenForm {
  enum class Place : bool { Anywhere, Before };
  std::string_view typed;
  std::string_view written;
  Place place = Place::Anywhere;
};

}  // namespace merovane
