#include "categories/findspeed.h"

#include "categories/prebuilt.h"
#include "core/form.h"
#include "core/frame.h"

namespace merovane {

std::span<const std::string_view> speedunits() {
  return kSpeedUnits;
}

const ConversionTable& speedtable() {
  static const ConversionTable table(static_cast<int>(kSpeedUnits.size()),
                                     prebuiltcells(CategoryId::Speed));
  return table;
}

void convertspeed() {
  runconverter(OnError::Silent, [] {
    Form& form = frmmain();
    const ListBox& listspeeds = form.sourcelist(CategoryId::Speed);
    const ListBox& listspeedd = form.destinationlist(CategoryId::Speed);
    const TextBox& txtspeeds = form.sourcebox(CategoryId::Speed);
    TextBox& txtspeedd = form.destinationbox(CategoryId::Speed);
    const double value = texttonumber(txtspeeds.Text());
    pairscan(listspeeds, listspeedd, txtspeedd, speedtable(), value);
  });
}

}  // namespace merovane
