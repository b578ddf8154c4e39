#include "categories/findpressure.h"

#include <array>

#include "categories/findpressure_data.h"
#include "categories/writtenforms.h"

namespace merovane {
namespace {

constexpr int kUnitCount = 9;

// clang-format off
constexpr const auto& kUnits = kPressureUnits;

// Row: source unit, column: destination unit. Each constant is the ratio of the two units'
// sizes in Pascals to 8 decimal places, so small ones keep few digits and a pair and its
// reverse need not multiply to 1.
constexpr double kConstants[kUnitCount][kUnitCount] = {
    {kNone, 0.01, 0.00401463, 0.001, 0.0002953, 0.00014504, 0.00000987, 0.000001, 0.00000015},
    {100, kNone, 0.40146309, 0.1, 0.02953006, 0.01450377, 0.00098692, 0.0001, 0.0000145},
    {249.0889, 2.490889, kNone, 0.2490889, 0.0735561, 0.03612729, 0.00245832, 0.00024909, 0.00003613},
    {1000, 10, 4.01463092, kNone, 0.29530059, 0.14503774, 0.00986923, 0.001, 0.00014504},
    {3386.38, 33.8638, 13.59506586, 3.38638, kNone, 0.49115292, 0.03342097, 0.00338638, 0.00049115},
    {6894.757, 68.94757, 27.67990464, 6.894757, 2.03602579, kNone, 0.06804596, 0.00689476, 0.001},
    {101325, 1013.25, 406.78247806, 101.325, 29.92133192, 14.6959494, kNone, 0.101325, 0.01469595},
    {1000000, 10000, 4014.63092093, 1000, 295.30058647, 145.0377439, 9.86923267, kNone, 0.14503774},
    {6894757, 68947.57, 27679.90464449, 6894.757, 2036.02578565, 1000, 68.04596102, 6.894757, kNone}};
// clang-format on

ConversionTable buildpressuretable() {
  return literaltable(kConstants);
}

// The symbols and other names the units answer to, one unit a line.
// clang-format off
constexpr std::array<UnitName, 26> kNames = {{
    symbol("Pa", "Pascals"), name("Pascal", "Pascals"),
    symbol("mbar", "Millibars/Hectopascals"), symbol("hPa", "Millibars/Hectopascals"),
        name("Millibars", "Millibars/Hectopascals"), name("Millibar", "Millibars/Hectopascals"),
        name("Hectopascals", "Millibars/Hectopascals"),
        name("Hectopascal", "Millibars/Hectopascals"),
    symbol("inH2O", "Inches of water column"), name("Inches of water", "Inches of water column"),
        name("Inch of water", "Inches of water column"),
        name("Inch of water column", "Inches of water column"),
    symbol("kPa", "Kilopascals"), name("Kilopascal", "Kilopascals"),
    symbol("inHg", "Inches of mercury in (Hg)"),
        name("Inches of mercury", "Inches of mercury in (Hg)"),
        name("Inch of mercury", "Inches of mercury in (Hg)"),
    symbol("psi", "Pounds/square inch(psi)"), name("Pounds/square inch", "Pounds/square inch(psi)"),
        name("Pound/square inch", "Pounds/square inch(psi)"),
    symbol("atm", "Atmospheres"), name("Atmosphere", "Atmospheres"),
    symbol("MPa", "Megapascals"), name("Megapascal", "Megapascals"),
    symbol("ksi", "Kilopounds/square inch"),
        name("Kilopound/square inch", "Kilopounds/square inch"),
}};
// clang-format on

constexpr std::array<WrittenForm, 1> kWrittenForms = {kMetre};

// The 72 constants as the table writes them, each a single product.
const ConversionTable& pressuretable() {
  static const ConversionTable table = buildpressuretable();
  return table;
}

}  // namespace

const CategoryRecord& pressurecategory() {
  static const CategoryRecord category{
      .id = CategoryId::Pressure,
      .caption = "Pressure",
      .units = kUnits,
      .table = pressuretable,
      .shape = Shape::PairScan,
      .failures = FailureDisplay::Silent,
      .emptytext = EmptyText::Read,
      .names = kNames,
      .definitions = kPressureDefinitions,
      .multiples = kPressureMultiples,
      .writtenforms = kWrittenForms,
  };
  return category;
}

}  // namespace merovane
