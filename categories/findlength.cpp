#include "categories/findlength.h"

#include <array>

#include "categories/findlength_data.h"
#include "categories/prebuilt.h"
#include "categories/writtenforms.h"

namespace merovane {
namespace {

// The symbols and other names the units answer to, one unit a line.
// clang-format off
constexpr std::array<UnitName, 44> kNames = {{
    symbol("Å", "Angstroms"), name("Angstrom", "Angstroms"),
    symbol("µm", "Microns"), symbol("um", "Microns"), name("Micron", "Microns"),
        name("Micrometers", "Microns"), name("Micrometer", "Microns"),
    symbol("mm", "Millimeters"), name("Millimeter", "Millimeters"),
    symbol("cm", "Centimeters"), name("Centimeter", "Centimeters"),
    symbol("dm", "Decimeters"), name("Decimeter", "Decimeters"),
    symbol("m", "Meters"), name("Meter", "Meters"),
    symbol("dam", "Dekameters"), name("Dekameter", "Dekameters"),
    symbol("hm", "Hectometers"), name("Hectometer", "Hectometers"),
    symbol("km", "Kilometers"), name("Kilometer", "Kilometers"),
    name("Mil", "Mils"),
    name("Pica", "Picas"),
    symbol("in", "Inches"), name("Inch", "Inches"),
    name("Link", "Links"),
    name("Span", "Spans"),
    symbol("ft", "Feet"), name("Foot", "Feet"),
    name("Cubit", "Cubits"),
    symbol("yd", "Yards"), name("Yard", "Yards"),
    symbol("ftm", "Fathoms"), name("Fathom", "Fathoms"),
    symbol("rd", "Rods"), name("Rod", "Rods"),
    symbol("ch", "Chains"), name("Chain", "Chains"),
    symbol("mi", "Miles"), name("Mile", "Miles"),
    symbol("ly", "Light years"), name("Light year", "Light years"),
        name("Light-years", "Light years"), name("Light-year", "Light years"),
}};
// clang-format on

// The British spelling.
constexpr std::array<WrittenForm, 1> kWrittenForms = {kMetre};

// The 462 constants, built from the millimeter column by the table's rule when the program is
// built.
const ConversionTable& lengthtable() {
  static const ConversionTable table(static_cast<int>(kLengthUnits.size()),
                                     prebuiltcells(CategoryId::Length));
  return table;
}

}  // namespace

const CategoryRecord& lengthcategory() {
  static const CategoryRecord category{
      .id = CategoryId::Length,
      .caption = "Length",
      .units = kLengthUnits,
      .table = lengthtable,
      .shape = Shape::TextGrid,
      .failures = FailureDisplay::Silent,
      .emptytext = EmptyText::ConvertsNothing,
      .names = kNames,
      .definitions = kLengthDefinitions,
      .multiples = kLengthMultiples,
      .writtenforms = kWrittenForms,
  };
  return category;
}

}  // namespace merovane
