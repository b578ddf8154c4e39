#include "categories/findlength.h"

#include <array>

#include "core/frame.h"
#include "core/ruletable.h"

namespace merovane {
namespace {

constexpr std::array<std::string_view, 22> kUnits = {
    "Angstroms",  "Microns",     "Millimeters", "Centimeters", "Decimeters", "Meters",
    "Dekameters", "Hectometers", "Kilometers",  "Mils",        "Picas",      "Inches",
    "Links",      "Spans",       "Feet",        "Cubits",      "Yards",      "Fathoms",
    "Rods",       "Chains",      "Miles",       "Light years"};

// The length of one unit in millimeters; the system's own values (Picas, Links, Rods, Chains and
// Light years are not the textbook ones) and every constant follows from them.
const std::vector<ExactDecimal>& millimeters() {
  static const std::vector<ExactDecimal> column = decimals({"0.0000001", "0.001",
                                                            "1",         "10",
                                                            "100",       "1000",
                                                            "10000",     "100000",
                                                            "1000000",   "0.0254",
                                                            "4.2333333", "25.4",
                                                            "201.1684",  "228.6",
                                                            "304.8",     "457.2",
                                                            "914.4",     "1828.8",
                                                            "5029.21",   "20116.84",
                                                            "1609344",   "9460528000000000000"});
  return column;
}

// 8 decimal places; 9 significant digits where 8 places would leave zero; 15 significant digits
// from 10000000 on.
ExactDecimal lengthrule(const ExactDecimal& quotient) {
  const ExactDecimal places = quotient.roundplaces(8, Rounding::HalfEven);
  if (places.iszero()) return quotient.roundsignificant(9, Rounding::HalfEven);
  if (quotient >= ExactDecimal(10000000)) return quotient.roundsignificant(15, Rounding::HalfEven);
  return places;
}

}  // namespace

std::span<const std::string_view> lengthunits() {
  return kUnits;
}

const ConversionTable& lengthtable() {
  static const ConversionTable table = ruletable(millimeters(), lengthrule);
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
