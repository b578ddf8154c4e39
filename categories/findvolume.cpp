#include "categories/findvolume.h"

#include <array>

#include "categories/prebuilt.h"
#include "categories/writtenforms.h"

namespace merovane {

namespace {

// The symbols and other names the units answer to, one unit a line.
// clang-format off
constexpr std::array<UnitName, 50> kNames = {{
    symbol("bbl", "Barrels"), name("Barrel", "Barrels"),
    symbol("bu", "Bushels"), name("Bushel", "Bushels"),
    symbol("cl", "Centiliters"), symbol("cL", "Centiliters"), name("Centiliter", "Centiliters"),
    symbol("cm3", "Cubic centimeters"), symbol("cc", "Cubic centimeters"),
        name("Cubic centimeter", "Cubic centimeters"),
    symbol("dm3", "Cubic decimeters"), name("Cubic decimeter", "Cubic decimeters"),
    symbol("dam3", "Cubic decameters"), name("Cubic decameter", "Cubic decameters"),
    symbol("ft3", "Cubic feet"), name("Cubic foot", "Cubic feet"),
    symbol("in3", "Cubic inches"), name("Cubic inch", "Cubic inches"),
    symbol("m3", "Cubic meters"), name("Cubic meter", "Cubic meters"),
    symbol("mm3", "Cubic millimeters"), name("Cubic millimeter", "Cubic millimeters"),
    symbol("yd3", "Cubic yards"), name("Cubic yard", "Cubic yards"),
    name("Cup", "Cups"),
    symbol("dl", "Deciliters"), symbol("dL", "Deciliters"), name("Deciliter", "Deciliters"),
    symbol("fl oz", "Fluid ounces"), name("Fluid ounce", "Fluid ounces"),
    symbol("gal", "Gallons"), name("Gallon", "Gallons"),
    symbol("l", "Liters"), symbol("L", "Liters"), name("Liter", "Liters"),
    symbol("ml", "Milliliters"), symbol("mL", "Milliliters"), name("Milliliter", "Milliliters"),
    symbol("pt", "Pints"), name("Pint", "Pints"),
    symbol("qt", "Quarts"), name("Quart", "Quarts"),
    symbol("tbsp", "Table spoons"), name("Table spoon", "Table spoons"),
        name("Tablespoons", "Table spoons"), name("Tablespoon", "Table spoons"),
    symbol("tsp", "Tea spoons"), name("Tea spoon", "Tea spoons"), name("Teaspoons", "Tea spoons"),
        name("Teaspoon", "Tea spoons"),
}};
// clang-format on

// British spellings, and a cube written cm^3, cm³ or cu cm.
constexpr std::array<WrittenForm, 5> kWrittenForms = {kMetre, kLitre, kCaretCubed,
                                                      kSuperscriptCubed, kCubic};

// The single constants built from the cubic-millimeter column by the table's rule when the
// program is built, with the equal-unit, doubling and chain pairs set on top.
const ConversionTable& volumetable() {
  static const ConversionTable table(static_cast<int>(kVolumeUnits.size()),
                                     prebuiltcells(CategoryId::Volume));
  return table;
}

}  // namespace

const CategoryRecord& volumecategory() {
  static const CategoryRecord category{
      .id = CategoryId::Volume,
      .caption = "Volume",
      .units = kVolumeUnits,
      .table = volumetable,
      .shape = Shape::PairScan,
      .failures = FailureDisplay::Silent,
      .emptytext = EmptyText::Read,
      .names = kNames,
      .definitions = kVolumeDefinitions,
      .writtenforms = kWrittenForms,
  };
  return category;
}

}  // namespace merovane
