#include "categories/findlength.h"

#include <array>

#include "categories/prebuilt.h"
#include "core/frame.h"

namespace merovane {
namespace {

constexpr std::array<std::string_view, 22> kUnits = {
    "Angstroms",  "Microns",     "Millimeters", "Centimeters", "Decimeters", "Meters",
    "Dekameters", "Hectometers", "Kilometers",  "Mils",        "Picas",      "Inches",
    "Links",      "Spans",       "Feet",        "Cubits",      "Yards",      "Fathoms",
    "Rods",       "Chains",      "Miles",       "Light years"};

}  // namespace

std::span<const std::string_view> lengthunits() {
  return kUnits;
}

const ConversionTable& lengthtable() {
  static const ConversionTable table(static_cast<int>(kUnits.size()),
                                     prebuiltcells(CategoryId::Length));
  return table;
}

void convertlength(ListBox& listlengths, ListBox& listlengthd, TextBox& txtfls, TextBox& txtfld) {
  runconverter(OnError::Silent, [&] {
    if (txtfls.Text().empty()) return;
    const double value = texttonumber(txtfls.Text());
    textgrid(listlengths, listlengthd, txtfld, lengthtable(), value);
  });
}

}  // namespace merovane
