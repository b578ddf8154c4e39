// Density's table by its rule: the kilograms per cubic meter column, the rounding of every ratio,
// and the listed exceptions.
#include <vector>

#include "categories/finddensity.h"
#include "tablegen/ruletable.h"
#include "tablegen/ruletables.h"

namespace merovane {
namespace {

// A unit by its listed name.
consteval int unit(std::string_view name) {
  return unitposition(kDensityUnits, name);
}

// One unit in kilograms per cubic meter.
const std::vector<ExactDecimal>& kilogramspercubicmeter() {
  static const std::vector<ExactDecimal> column = decimals(
      {"0.017118", "1000", "1", "1000", "1", "1000", "1000", "1", "0.001", "1729.994044",
       "7.489152", "27679.904", "16.018463", "119.826427", "515.317882", "1000", "1186.552843"});
  return column;
}

// The ratio of the two sizes to 6 decimal places, an exact half rounded up. Toward Grains/gallon
// the size is multiplied by 58.418, the constant from Kilograms/cubic meters, instead of divided
// by the size of Grains/gallon.
ExactDecimal densityconstant(int source, int destination) {
  const std::vector<ExactDecimal>& size = kilogramspercubicmeter();
  const ExactDecimal& from = size[static_cast<size_t>(source)];
  const ExactDecimal ratio = destination == unit("Grains/gallon")
                                 ? from * ExactDecimal::parse("58.418")
                                 : from / size[static_cast<size_t>(destination)];
  return ratio.roundplaces(6, Rounding::HalfUp);
}

}  // namespace

ConversionTable builddensitytable() {
  const std::vector<ExactDecimal>& size = kilogramspercubicmeter();
  const int units = static_cast<int>(size.size());
  ConversionTable table(units);
  for (int source = 0; source < units; ++source)
    for (int destination = 0; destination < units; ++destination) {
      if (source == destination) continue;
      // Units of one size pass the value through without a multiplication.
      if (size[static_cast<size_t>(source)] == size[static_cast<size_t>(destination)]) continue;
      table.set(source, destination,
                PairExpression::constant(densityconstant(source, destination).nearestdouble()));
    }
  table.set(unit("Grains/gallon"), unit("Milligrams/liter"), PairExpression::constant(17.118012));
  table.set(unit("Slugs/cubic foot"), unit("Grains/gallon"),
            PairExpression::constant(30103.840034));
  table.set(unit("Slugs/cubic foot"), unit("Milligrams/liter"),
            PairExpression::constant(515317.88206));
  // The ratio would round to zero; the chain through Grams/liter keeps 6 decimal places of the
  // product instead.
  table.set(unit("Milligrams/liter"), unit("Pounds/cubic inch"),
            PairExpression::chain({0.001, 0.000036}, 6));
  return table;
}

}  // namespace merovane
