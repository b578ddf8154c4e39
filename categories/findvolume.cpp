#include "categories/findvolume.h"

#include "categories/onwindow.h"
#include "categories/prebuilt.h"
#include "core/form.h"

namespace merovane {

std::span<const std::string_view> volumeunits() {
  return kVolumeUnits;
}

const ConversionTable& volumetable() {
  static const ConversionTable table(static_cast<int>(kVolumeUnits.size()),
                                     prebuiltcells(CategoryId::Volume));
  return table;
}

const Category& volumecategory() {
  static const Category category{
      .id = CategoryId::Volume,
      .caption = "Volume",
      .units = volumeunits(),
      .table = volumetable,
      .shape = Shape::PairScan,
      .failures = FailureDisplay::Silent,
      .emptytext = EmptyText::Read,
  };
  return category;
}

void convertvolume() {
  convertonwindow(volumecategory(), frmmain());
}

}  // namespace merovane
