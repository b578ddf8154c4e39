#include "api/precisepair.h"

#include <stdexcept>

#include "categories/prebuilt.h"

namespace merovane {

PreciseMap precisemap(const Category& category, int from, int to) {
  if (from == to) return PreciseMap::unchanged();
  // Temperature scales are affine: their degree ratio alone would lose the offsets.
  if (category.id == CategoryId::Temperature) {
    return PreciseMap::between(category.definitions[static_cast<size_t>(from)],
                               category.definitions[static_cast<size_t>(to)]);
  }
  const size_t units = category.units.size();
  return PreciseMap::ratio(
      preciseratios(category.id)[static_cast<size_t>(from) * units + static_cast<size_t>(to)]);
}

void checkoptions(const Options& options) {
  if (options.digits < kFewestDigits || options.digits > kMostDigits)
    throw std::out_of_range("a result shows 1 to 17 significant digits");
}

}  // namespace merovane
