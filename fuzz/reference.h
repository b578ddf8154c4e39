// Exact references the fuzz targets compare the numeric runtime with, worked out in GMP
// rationals independently of the runtime's own code.
#pragma once

#include <gmpxx.h>

#include <optional>
#include <string_view>

namespace merovane::fuzz {

// The number a text spells, read by the grammar the runtime promises: blanks (space, tab)
// around, an optional sign, digits with at most one decimal point and at least one digit, an
// optional exponent of "E" or "e", an optional sign and digits.
struct Spelled {
  bool number = false;  // the text follows the grammar
  bool negative = false;
  // The exact value, when the text is short enough and its exponent small enough to work out.
  std::optional<mpq_class> exact;
};
Spelled spelled(std::string_view text);

// The double nearest to `exact`, an exact half to the even neighbour: does `candidate` qualify?
bool isnearest(double candidate, const mpq_class& exact);

// The smallest magnitude that no longer rounds to a finite double: 2^1024 - 2^970.
const mpq_class& overflowthreshold();

// `value` rounded to `places` decimal places, an exact half to the even neighbour.
mpq_class roundedplaces(double value, int places);

}  // namespace merovane::fuzz
