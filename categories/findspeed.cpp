#include "categories/findspeed.h"

#include "categories/onwindow.h"
#include "categories/prebuilt.h"
#include "core/form.h"

namespace merovane {

std::span<const std::string_view> speedunits() {
  return kSpeedUnits;
}

const ConversionTable& speedtable() {
  static const ConversionTable table(static_cast<int>(kSpeedUnits.size()),
                                     prebuiltcells(CategoryId::Speed));
  return table;
}

const Category& speedcategory() {
  static const Category category{
      .id = CategoryId::Speed,
      .caption = "Speed",
      .units = speedunits(),
      .table = speedtable,
      .shape = Shape::PairScan,
      .failures = FailureDisplay::Silent,
      .emptytext = EmptyText::Read,
  };
  return category;
}

void convertspeed() {
  convertonwindow(speedcategory(), frmmain());
}

}  // namespace merovane
