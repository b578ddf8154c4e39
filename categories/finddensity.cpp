#include "categories/finddensity.h"

#include <array>

#include "categories/prebuilt.h"
#include "core/form.h"
#include "core/frame.h"

namespace merovane {
namespace {

constexpr std::array<std::string_view, 17> kUnits = {
    "Grains/gallon",         "Grams/cubic centimeters", "Grams/liter",
    "Grams/milliliters",     "Kilograms/cubic meters",  "Kilograms/liter",
    "Megagrams/cubic meter", "Milligrams/milliliter",   "Milligrams/liter",
    "Ounces/cubic inch",     "Ounces/gallon",           "Pounds/cubic inch",
    "Pounds/cubic foot",     "Pounds/gallon",           "Slugs/cubic foot",
    "Tonnes/cubic meter",    "Tons/cubic yard"};

}  // namespace

std::span<const std::string_view> densityunits() {
  return kUnits;
}

const ConversionTable& densitytable() {
  static const ConversionTable table(static_cast<int>(kUnits.size()),
                                     prebuiltcells(CategoryId::Density));
  return table;
}

void convertdensity() {
  runconverter(OnError::Silent, [] {
    Form& form = frmmain();
    const ListBox& listdensitys = form.sourcelist(CategoryId::Density);
    const ListBox& listdensityd = form.destinationlist(CategoryId::Density);
    const TextBox& txtdensitys = form.sourcebox(CategoryId::Density);
    TextBox& txtdensityd = form.destinationbox(CategoryId::Density);
    const double value = texttonumber(txtdensitys.Text());
    pairscan(listdensitys, listdensityd, txtdensityd, densitytable(), value);
  });
}

}  // namespace merovane
