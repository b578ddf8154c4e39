// Weight's data: the units, each one's exact definition in kilograms, the microgram column the
// table's rule works from and the one constant kept to more digits. Included by the category's
// record and by merovane-tablegen.
#pragma once

#include <array>
#include <string_view>

#include "categories/baseconstants.h"
#include "categories/ruledata.h"
#include "core/category.h"

namespace merovane {

// In the order both lists show them (Centals stand among the lighter units).
// clang-format off
inline constexpr std::array<std::string_view, 23> kWeightUnits = {
    "Micrograms", "Milligrams", "Centigrams", "Grains", "Decigrams", "Carats", "Grams",
    "Pennyweight", "Scruples", "Drams", "Dekagrams", "Ounces", "Centals", "Hectograms",
    "Pounds", "Kilograms", "Cloves", "Stone", "Short Hundredweight", "Long Hundredweight",
    "Short Tons", "Metric tons(tonnes)", "Long Tons"};
// clang-format on

namespace weightdata {
using base::exact;
using base::kGrain;
using base::kPound;
using base::per;
// Pennyweight, Scruples and Drams count grains (24, 20, and 60: the apothecaries' dram, which is
// what the table's 3.8879346 grams is); Ounces, Cloves, Stone, Centals, the hundredweights and
// the tons are avoirdupois, in pounds (the short ton 2000, the long ton 2240).
// clang-format off
inline constexpr std::array<Definition, 23> kDefinitions = {{
    {exact("0.000000001")}, {exact("0.000001")}, {exact("0.00001")}, {kGrain}, {exact("0.0001")},
    {base::kCarat}, {exact("0.001")}, {kGrain * exact("24")}, {kGrain * exact("20")},
    {kGrain * exact("60")}, {exact("0.01")}, {kPound * per("16")}, {kPound * exact("100")},
    {exact("0.1")}, {kPound}, {exact("1")}, {kPound * exact("8")}, {kPound * exact("14")},
    {kPound * exact("100")}, {kPound * exact("112")}, {kPound * exact("2000")}, {exact("1000")},
    {kPound * exact("2240")},
}};

// The mass of one unit in micrograms, as the table has always had it.
inline constexpr std::array<ExactProduct, 23> kMicrograms = {
    exact("1"), exact("1000"), exact("10000"), exact("64798.91"), exact("100000"),
    exact("200000"), exact("1000000"), exact("1555173.84"), exact("1295978.2"),
    exact("3887934.6"), exact("10000000"), exact("28349523.125"), exact("45359237000"),
    exact("100000000"), exact("453592370"), exact("1000000000"), exact("3628738960"),
    exact("6350293180"), exact("45359237000"), exact("50802345440"), exact("907184740000"),
    exact("1000000000000"), exact("1016046908800")};
// clang-format on

// The one constant that keeps 15 significant digits instead of the rule's 8 decimal places.
inline constexpr std::array<RuleCell, 1> kCells = {
    ruleconstant(unitposition(kWeightUnits, "Metric tons(tonnes)"),
                 unitposition(kWeightUnits, "Grains"), 15432358.3529414)};
}  // namespace weightdata

inline constexpr std::array<Definition, 23> kWeightDefinitions = weightdata::kDefinitions;
inline constexpr RuleData kWeightRule = {
    weightdata::kMicrograms, unitposition(kWeightUnits, "Micrograms"), "µg", weightdata::kCells};

}  // namespace merovane
