#include "categories/findpower.h"

#include <array>

#include "categories/onwindow.h"
#include "categories/prebuilt.h"
#include "core/form.h"

namespace merovane {
namespace {

constexpr std::array<std::string_view, 21> kUnits = {"BTU/ hour",
                                                     "BTU/minute",
                                                     "BTU/second",
                                                     "Calories/hour",
                                                     "Calories/minute",
                                                     "Calories/second",
                                                     "jouls/hour",
                                                     "jouls/minute",
                                                     "jouls/second",
                                                     "Kilocalories/hour",
                                                     "Kilocalories/minute",
                                                     "Watts",
                                                     "Kilowatts",
                                                     "Megawatts",
                                                     "Gigawatts",
                                                     "Horsepower(electric)",
                                                     "Horsepower(international)",
                                                     "Horsepower(water)",
                                                     "Horsepower(metric)",
                                                     "Foot-pound force/minute",
                                                     "Foot-pound force/second"};

}  // namespace

std::span<const std::string_view> powerunits() {
  return kUnits;
}

const ConversionTable& powertable() {
  static const ConversionTable table(static_cast<int>(kUnits.size()),
                                     prebuiltcells(CategoryId::Power));
  return table;
}

const Category& powercategory() {
  static const Category category{
      .id = CategoryId::Power,
      .caption = "Power",
      .units = powerunits(),
      .table = powertable,
      .shape = Shape::PairScan,
      .failures = FailureDisplay::Silent,
      .emptytext = EmptyText::Read,
  };
  return category;
}

void convertpower() {
  convertonwindow(powercategory(), frmmain());
}

}  // namespace merovane
