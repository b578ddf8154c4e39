#include "categories/finddensity.h"

#include <array>

#include "categories/prebuilt.h"
#include "categories/writtenforms.h"

namespace merovane {
namespace {

// The symbols and other names the units answer to, one unit a line.
// clang-format off
constexpr std::array<UnitName, 42> kNames = {{
    symbol("gr/gal", "Grains/gallon"), name("Grain/gallon", "Grains/gallon"),
    symbol("g/cm3", "Grams/cubic centimeters"), symbol("g/cc", "Grams/cubic centimeters"),
        name("Gram/cubic centimeter", "Grams/cubic centimeters"),
        name("Grams/cubic centimeter", "Grams/cubic centimeters"),
    symbol("g/L", "Grams/liter"), symbol("g/l", "Grams/liter"), name("Gram/liter", "Grams/liter"),
    symbol("g/mL", "Grams/milliliters"), symbol("g/ml", "Grams/milliliters"),
        name("Gram/milliliter", "Grams/milliliters"), name("Grams/milliliter", "Grams/milliliters"),
    symbol("kg/m3", "Kilograms/cubic meters"),
        name("Kilogram/cubic meter", "Kilograms/cubic meters"),
        name("Kilograms/cubic meter", "Kilograms/cubic meters"),
    symbol("kg/L", "Kilograms/liter"), symbol("kg/l", "Kilograms/liter"),
        name("Kilogram/liter", "Kilograms/liter"),
    symbol("Mg/m3", "Megagrams/cubic meter"), name("Megagram/cubic meter", "Megagrams/cubic meter"),
    symbol("mg/mL", "Milligrams/milliliter"), symbol("mg/ml", "Milligrams/milliliter"),
        name("Milligram/milliliter", "Milligrams/milliliter"),
    symbol("mg/L", "Milligrams/liter"), symbol("mg/l", "Milligrams/liter"),
        name("Milligram/liter", "Milligrams/liter"),
    symbol("oz/in3", "Ounces/cubic inch"), name("Ounce/cubic inch", "Ounces/cubic inch"),
    symbol("oz/gal", "Ounces/gallon"), name("Ounce/gallon", "Ounces/gallon"),
    symbol("lb/in3", "Pounds/cubic inch"), name("Pound/cubic inch", "Pounds/cubic inch"),
    symbol("lb/ft3", "Pounds/cubic foot"), name("Pound/cubic foot", "Pounds/cubic foot"),
    symbol("lb/gal", "Pounds/gallon"), name("Pound/gallon", "Pounds/gallon"),
    symbol("slug/ft3", "Slugs/cubic foot"), name("Slug/cubic foot", "Slugs/cubic foot"),
    symbol("t/m3", "Tonnes/cubic meter"), name("Tonne/cubic meter", "Tonnes/cubic meter"),
    name("Ton/cubic yard", "Tons/cubic yard"),
}};
// clang-format on

// British spellings, and a cube written m^3 or m³.
constexpr std::array<WrittenForm, 4> kWrittenForms = {kMetre, kLitre, kCaretCubed,
                                                      kSuperscriptCubed};

// The 272 pairs: constants built from the kilograms per cubic meter column by the table's rule
// when the program is built, 26 unchanged pairs between units of one size, and four listed
// exceptions.
const ConversionTable& densitytable() {
  static const ConversionTable table(static_cast<int>(kDensityUnits.size()),
                                     prebuiltcells(CategoryId::Density));
  return table;
}

}  // namespace

const CategoryRecord& densitycategory() {
  static const CategoryRecord category{
      .id = CategoryId::Density,
      .caption = "Density",
      .units = kDensityUnits,
      .table = densitytable,
      .shape = Shape::PairScan,
      .failures = FailureDisplay::Silent,
      .emptytext = EmptyText::Read,
      .names = kNames,
      .definitions = kDensityDefinitions,
      .writtenforms = kWrittenForms,
  };
  return category;
}

}  // namespace merovane
