#include "categories/findlength.h"

#include <array>

#include "categories/onwindow.h"
#include "categories/prebuilt.h"

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

const Category& lengthcategory() {
  static const Category category{
      .id = CategoryId::Length,
      .caption = "Length",
      .units = lengthunits(),
      .table = lengthtable,
      .shape = Shape::TextGrid,
      .failures = FailureDisplay::Silent,
      .emptytext = EmptyText::ConvertsNothing,
  };
  return category;
}

void convertlength(ListBox& listlengths, ListBox& listlengthd, TextBox& txtfls, TextBox& txtfld) {
  convertonwindow(lengthcategory(), listlengths, listlengthd, txtfls, txtfld);
}

}  // namespace merovane
