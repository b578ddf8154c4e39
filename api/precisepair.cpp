#include "api/precisepair.h"

#include <stdexcept>

#include "categories/prebuilt.h"

namespace merovane {
namespace {

// A unit's row and column in the category's ratios: its listed position, or for a multiple the
// listed units' count plus its position among the multiples.
size_t ratioposition(const Category& category, int unit, const Multiple* multiple) {
  if (multiple == nullptr) return static_cast<size_t>(unit);
  const size_t index = static_cast<size_t>(multiple - category.multiples.data());
  if (multiple < category.multiples.data() || index >= category.multiples.size())
    throw std::out_of_range("a multiple of another category");
  return category.units.size() + index;
}

}  // namespace

PreciseMap precisemap(const Category& category, int from, int to, Scale scale) {
  const size_t source = ratioposition(category, from, scale.from);
  const size_t destination = ratioposition(category, to, scale.to);
  if (source == destination) return PreciseMap::unchanged();
  // Temperature scales are affine: their degree ratio alone would lose the offsets.
  if (category.id == CategoryId::Temperature)
    return PreciseMap::between(category.definitions[source], category.definitions[destination]);
  const size_t positions = category.units.size() + category.multiples.size();
  return PreciseMap::ratio(preciseratios(category.id)[source * positions + destination]);
}

void checkoptions(const Options& options) {
  if (options.digits < kFewestDigits || options.digits > kMostDigits)
    throw std::out_of_range("a result shows 1 to 17 significant digits");
}

}  // namespace merovane
