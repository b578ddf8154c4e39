#include "categories/findweight1.h"

#include <array>

#include "categories/findweight1_data.h"
#include "categories/prebuilt.h"

namespace merovane {
namespace {

// The symbols and other names the units answer to, one unit a line.
// clang-format off
constexpr std::array<UnitName, 45> kNames = {{
    symbol("µg", "Micrograms"), symbol("ug", "Micrograms"), symbol("mcg", "Micrograms"),
        name("Microgram", "Micrograms"),
    symbol("mg", "Milligrams"), name("Milligram", "Milligrams"),
    symbol("cg", "Centigrams"), name("Centigram", "Centigrams"),
    symbol("gr", "Grains"), name("Grain", "Grains"),
    symbol("dg", "Decigrams"), name("Decigram", "Decigrams"),
    symbol("ct", "Carats"), name("Carat", "Carats"),
    symbol("g", "Grams"), name("Gram", "Grams"),
    symbol("dwt", "Pennyweight"), name("Pennyweights", "Pennyweight"),
    name("Scruple", "Scruples"),
    symbol("dr", "Drams"), name("Dram", "Drams"),
    symbol("dag", "Dekagrams"), name("Dekagram", "Dekagrams"),
    symbol("oz", "Ounces"), name("Ounce", "Ounces"),
    name("Cental", "Centals"),
    symbol("hg", "Hectograms"), name("Hectogram", "Hectograms"),
    symbol("lb", "Pounds"), symbol("lbs", "Pounds"), name("Pound", "Pounds"),
    symbol("kg", "Kilograms"), name("Kilogram", "Kilograms"),
    name("Clove", "Cloves"),
    symbol("st", "Stone"), name("Stones", "Stone"),
    name("Short Hundredweights", "Short Hundredweight"),
    name("Long Hundredweights", "Long Hundredweight"),
    name("Short Ton", "Short Tons"),
    symbol("t", "Metric tons(tonnes)"), name("Metric tons", "Metric tons(tonnes)"), name("Metric ton", "Metric tons(tonnes)"),
        name("Tonnes", "Metric tons(tonnes)"), name("Tonne", "Metric tons(tonnes)"),
    name("Long Ton", "Long Tons"),
}};
// clang-format on

// The names that stand for all three tons.
constexpr std::array<UnitName, 6> kAmbiguous = {{
    ambiguous("ton", "Short Tons"),
    ambiguous("ton", "Long Tons"),
    ambiguous("ton", "Metric tons(tonnes)"),
    ambiguous("tons", "Short Tons"),
    ambiguous("tons", "Long Tons"),
    ambiguous("tons", "Metric tons(tonnes)"),
}};

// The 506 constants, built from the microgram column by the table's rule when the program is
// built.
const ConversionTable& weighttable() {
  static const ConversionTable table(static_cast<int>(kWeightUnits.size()),
                                     prebuiltcells(CategoryId::Weight));
  return table;
}

}  // namespace

const CategoryRecord& weightcategory() {
  static const CategoryRecord category{
      .id = CategoryId::Weight,
      .caption = "Weight",
      .units = kWeightUnits,
      .table = weighttable,
      .shape = Shape::TextGrid,
      .failures = FailureDisplay::MessageBox,
      .emptytext = EmptyText::ConvertsNothing,
      .names = kNames,
      .definitions = kWeightDefinitions,
      .ambiguous = kAmbiguous,
  };
  return category;
}

}  // namespace merovane
