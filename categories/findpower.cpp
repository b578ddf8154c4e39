#include "categories/findpower.h"

#include <array>

#include "categories/prebuilt.h"
#include "core/form.h"
#include "core/frame.h"

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

void convertpower() {
  runconverter(OnError::Silent, [] {
    Form& form = frmmain();
    const ListBox& listpowers = form.sourcelist(CategoryId::Power);
    const ListBox& listpowerd = form.destinationlist(CategoryId::Power);
    const TextBox& txtfpowers = form.sourcebox(CategoryId::Power);
    TextBox& txtfpowerd = form.destinationbox(CategoryId::Power);
    const double value = texttonumber(txtfpowers.Text());
    pairscan(listpowers, listpowerd, txtfpowerd, powertable(), value);
  });
}

}  // namespace merovane
