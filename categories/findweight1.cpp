#include "categories/findweight1.h"

#include <array>

#include "categories/onwindow.h"
#include "categories/prebuilt.h"

namespace merovane {
namespace {

// In the order both lists show them (Centals stand among the lighter units).
// clang-format off
constexpr std::array<std::string_view, 23> kUnits = {
    "Micrograms", "Milligrams", "Centigrams", "Grains", "Decigrams", "Carats", "Grams",
    "Pennyweight", "Scruples", "Drams", "Dekagrams", "Ounces", "Centals", "Hectograms",
    "Pounds", "Kilograms", "Cloves", "Stone", "Short Hundredweight", "Long Hundredweight",
    "Short Tons", "Metric tons(tonnes)", "Long Tons"};
// clang-format on

}  // namespace

std::span<const std::string_view> weightunits() {
  return kUnits;
}

const ConversionTable& weighttable() {
  static const ConversionTable table(static_cast<int>(kUnits.size()),
                                     prebuiltcells(CategoryId::Weight));
  return table;
}

const Category& weightcategory() {
  static const Category category{
      .id = CategoryId::Weight,
      .caption = "Weight",
      .units = weightunits(),
      .table = weighttable,
      .shape = Shape::TextGrid,
      .failures = FailureDisplay::MessageBox,
      .emptytext = EmptyText::ConvertsNothing,
  };
  return category;
}

void convertweight(ListBox& listweights, ListBox& listweightd, TextBox& txtweights,
                   TextBox& txtweightd) {
  convertonwindow(weightcategory(), listweights, listweightd, txtweights, txtweightd);
}

}  // namespace merovane
