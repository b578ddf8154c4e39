// Density's table by its rule: the kilograms per cubic meter column
// (categories/finddensity_data.h), the rounding of every ratio, and the listed exceptions.
#include <vector>

#include "categories/finddensity_data.h"
#include "tablegen/ruletable.h"
#include "tablegen/ruletables.h"

namespace merovane {
namespace {

// The ratio of the two sizes to 6 decimal places, an exact half rounded up. Toward Grains/gallon
// the size is multiplied by the constant from Kilograms/cubic meters instead of divided by the
// size of Grains/gallon.
ExactDecimal densityconstant(const std::vector<ExactDecimal>& size, int source, int destination) {
  const ExactDecimal& from = size[static_cast<size_t>(source)];
  const ExactDecimal ratio = destination == densitydata::unit("Grains/gallon")
                                 ? from * ExactDecimal::parse(densitydata::kGrainsPerGallonFactor)
                                 : from / size[static_cast<size_t>(destination)];
  return ratio.roundplaces(6, Rounding::HalfUp);
}

}  // namespace

ConversionTable builddensitytable() {
  const std::vector<ExactDecimal> size = exactcolumn(kDensityRule.reference);
  const int units = static_cast<int>(size.size());
  ConversionTable table(units);
  for (int source = 0; source < units; ++source)
    for (int destination = 0; destination < units; ++destination) {
      if (source == destination) continue;
      // Units of one size pass the value through without a multiplication.
      if (size[static_cast<size_t>(source)] == size[static_cast<size_t>(destination)]) continue;
      table.set(
          source, destination,
          PairExpression::constant(densityconstant(size, source, destination).nearestdouble()));
    }
  setrulecells(table, kDensityRule.cells);
  return table;
}

}  // namespace merovane
