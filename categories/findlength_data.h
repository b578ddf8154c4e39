// Length's data: the units, each one's exact definition in metres, and the millimetre column the
// table's rule works from. Included by the category's record and by merovane-tablegen.
#pragma once

#include <array>
#include <string_view>

#include "categories/baseconstants.h"
#include "categories/ruledata.h"
#include "core/category.h"

namespace merovane {

inline constexpr std::array<std::string_view, 22> kLengthUnits = {
    "Angstroms",  "Microns",     "Millimeters", "Centimeters", "Decimeters", "Meters",
    "Dekameters", "Hectometers", "Kilometers",  "Mils",        "Picas",      "Inches",
    "Links",      "Spans",       "Feet",        "Cubits",      "Yards",      "Fathoms",
    "Rods",       "Chains",      "Miles",       "Light years"};

namespace lengthdata {
using base::exact;
using base::kInch;
using base::per;
// The international units are whole numbers of inches: a foot is 12, a Gunter's link 7.92 (a
// hundredth of a chain of 66 feet), a rod 198 (16.5 feet), a mile 63360. A pica is the desktop
// publishing pica, a sixth of an inch.
// clang-format off
inline constexpr std::array<Definition, 22> kDefinitions = {{
    {exact("0.0000000001")}, {exact("0.000001")}, {exact("0.001")}, {exact("0.01")}, {exact("0.1")},
    {exact("1")}, {exact("10")}, {exact("100")}, {exact("1000")},
    {kInch * exact("0.001")}, {kInch * per("6")}, {kInch}, {kInch * exact("7.92")},
    {kInch * exact("9")}, {kInch * exact("12")}, {kInch * exact("18")}, {kInch * exact("36")},
    {kInch * exact("72")}, {kInch * exact("198")}, {kInch * exact("792")},
    {kInch * exact("63360")}, {base::kLightYear},
}};

// The length of one unit in millimetres, as the table has always had it: its own Picas, Links,
// Rods, Chains and Light years, from which every constant follows.
inline constexpr std::array<ExactProduct, 22> kMillimeters = {
    exact("0.0000001"), exact("0.001"), exact("1"), exact("10"), exact("100"), exact("1000"),
    exact("10000"), exact("100000"), exact("1000000"), exact("0.0254"), exact("4.2333333"),
    exact("25.4"), exact("201.1684"), exact("228.6"), exact("304.8"), exact("457.2"),
    exact("914.4"), exact("1828.8"), exact("5029.21"), exact("20116.84"), exact("1609344"),
    exact("9460528000000000000")};
// clang-format on
}  // namespace lengthdata

inline constexpr std::array<Definition, 22> kLengthDefinitions = lengthdata::kDefinitions;
inline constexpr RuleData kLengthRule = {
    lengthdata::kMillimeters, unitposition(kLengthUnits, "Millimeters"), "mm", {}};

// Exact multiples of listed units: the factor as a conversion multiplies by it and exactly.
// clang-format off
inline constexpr std::array<UnitMultiple, 7> kLengthMultiples = {{
    multiple(symbol("nm", "Angstroms"), 10, "10"),
        multiple(name("Nanometers", "Angstroms"), 10, "10"),
        multiple(name("Nanometer", "Angstroms"), 10, "10"),
    multiple(symbol("nmi", "Meters"), 1852, "1852"), multiple(symbol("NM", "Meters"), 1852, "1852"),
        multiple(name("Nautical miles", "Meters"), 1852, "1852"),
        multiple(name("Nautical mile", "Meters"), 1852, "1852"),
}};
// clang-format on

}  // namespace merovane
