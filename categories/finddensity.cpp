#include "categories/finddensity.h"

#include <array>

#include "categories/onwindow.h"
#include "categories/prebuilt.h"
#include "core/form.h"

namespace merovane {
std::span<const std::string_view> densityunits() {
  return kDensityUnits;
}

const ConversionTable& densitytable() {
  static const ConversionTable table(static_cast<int>(kDensityUnits.size()),
                                     prebuiltcells(CategoryId::Density));
  return table;
}

const Category& densitycategory() {
  static const Category category{
      .id = CategoryId::Density,
      .caption = "Density",
      .units = densityunits(),
      .table = densitytable,
      .shape = Shape::PairScan,
      .failures = FailureDisplay::Silent,
      .emptytext = EmptyText::Read,
  };
  return category;
}

void convertdensity() {
  convertonwindow(densitycategory(), frmmain());
}

}  // namespace merovane
