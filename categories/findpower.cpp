#include "categories/findpower.h"

#include <array>

#include "categories/onwindow.h"
#include "categories/prebuilt.h"
#include "core/form.h"

namespace merovane {
std::span<const std::string_view> powerunits() {
  return kPowerUnits;
}

const ConversionTable& powertable() {
  static const ConversionTable table(static_cast<int>(kPowerUnits.size()),
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
