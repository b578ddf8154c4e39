#include "api/precisepair.h"

#include <stdexcept>

#include "categories/prebuilt.h"
#include "categories/preciseratios_stub.h"

namespace merovane {

PreciseMap precisemap(const Category& category, int from, int to) {
  if (from == to) return PreciseMap::unchanged();
  // Temperature scales are affine: their degree ratio alone would lose the offsets.
  if (category.id == CategoryId::Temperature) {
    const std::span<const Definition> definitions =
        category.definitions.empty() ? stubdefinitions(category.id) : category.definitions;
    return PreciseMap::between(definitions[static_cast<size_t>(from)],
                               definitions[static_cast<size_t>(to)]);
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
