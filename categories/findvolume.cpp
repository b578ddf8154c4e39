#include "categories/findvolume.h"

#include "categories/prebuilt.h"
#include "core/form.h"
#include "core/frame.h"

namespace merovane {

std::span<const std::string_view> volumeunits() {
  return kVolumeUnits;
}

const ConversionTable& volumetable() {
  static const ConversionTable table(static_cast<int>(kVolumeUnits.size()),
                                     prebuiltcells(CategoryId::Volume));
  return table;
}

void convertvolume() {
  runconverter(OnError::Silent, [] {
    Form& form = frmmain();
    const ListBox& listvolumes = form.sourcelist(CategoryId::Volume);
    const ListBox& listvolumed = form.destinationlist(CategoryId::Volume);
    const TextBox& txtvolumes = form.sourcebox(CategoryId::Volume);
    TextBox& txtvolumed = form.destinationbox(CategoryId::Volume);
    const double value = texttonumber(txtvolumes.Text());
    pairscan(listvolumes, listvolumed, txtvolumed, volumetable(), value);
  });
}

}  // namespace merovane
