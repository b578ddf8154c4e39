#include "api/precisepair.h"

#include <stdexcept>

namespace merovane {
namespace {

// A unit's row: its listed position, or the multiple's own row.
size_t rowposition(const CategoryRecord& category, int unit, const UnitRow* multiple) {
  if (multiple == nullptr) return static_cast<size_t>(unit);
  const size_t index = static_cast<size_t>(multiple - category.rows.data());
  if (multiple < category.rows.data() || index >= category.rows.size())
    throw std::out_of_range("a multiple of another category");
  return index;
}

}  // namespace

PreciseMap precisemap(const CategoryRecord& category, int from, int to, Scale scale) {
  const size_t source = rowposition(category, from, scale.from);
  const size_t destination = rowposition(category, to, scale.to);
  return category.precise[source * category.rows.size() + destination];
}

void checkoptions(const Options& options) {
  if (options.digits < kFewestDigits || options.digits > kMostDigits)
    throw std::out_of_range("a result shows 1 to 17 significant digits");
}

}  // namespace merovane
