// merovane-tablegen OUTPUT: works out the six rule-built tables with exact arithmetic and writes
// them as a C++ source of constant cells, so that the program itself never does that work; and
// for every category and ordered pair of units and multiples the ratio of the units' exact
// definitions, rounded once to the nearest double. Every factor is written as a hexadecimal
// floating literal, which the compiler reads back bit for bit.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <iostream>
#include <span>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "categories/findbit_data.h"
#include "categories/finddensity_data.h"
#include "categories/findenergy_data.h"
#include "categories/findforce_data.h"
#include "categories/findlength_data.h"
#include "categories/findpower_data.h"
#include "categories/findpressure_data.h"
#include "categories/findspeed_data.h"
#include "categories/findtemp_data.h"
#include "categories/findvolume_data.h"
#include "categories/findweight1_data.h"
#include "categories/finsarea_data.h"
#include "core/conversiontable.h"
#include "tablegen/ruletable.h"
#include "tablegen/ruletables.h"

namespace {

using merovane::ConversionTable;
using merovane::PairCell;
using merovane::PairExpression;

struct RuleTable {
  std::string_view category;  // the CategoryId enumerator
  ConversionTable (*build)();
};

constexpr RuleTable kRuleTables[] = {
    {"Density", merovane::builddensitytable}, {"Length", merovane::buildlengthtable},
    {"Weight", merovane::buildweighttable},   {"Power", merovane::buildpowertable},
    {"Speed", merovane::buildspeedtable},     {"Volume", merovane::buildvolumetable},
};

// Every category's definitions, in the order of the CategoryId enumerators, with its units'
// names and its multiples of them.
struct DefinedCategory {
  std::string_view category;  // the CategoryId enumerator
  std::span<const merovane::Definition> definitions;
  std::span<const std::string_view> units = {};
  std::span<const merovane::UnitMultiple> multiples = {};
};

const DefinedCategory kDefinedCategories[] = {
    {"Area", merovane::kAreaDefinitions},
    {"BitsAndBytes", merovane::kBitDefinitions},
    {"Density", merovane::kDensityDefinitions},
    {"Energy", merovane::kEnergyDefinitions, merovane::kEnergyUnits, merovane::kEnergyMultiples},
    {"Force", merovane::kForceDefinitions},
    {"Length", merovane::kLengthDefinitions, merovane::kLengthUnits, merovane::kLengthMultiples},
    {"Weight", merovane::kWeightDefinitions},
    {"Power", merovane::kPowerDefinitions},
    {"Pressure", merovane::kPressureDefinitions, merovane::kPressureUnits,
     merovane::kPressureMultiples},
    {"Speed", merovane::kSpeedDefinitions},
    {"Temperature", merovane::kTempDefinitions},
    {"Volume", merovane::kVolumeDefinitions},
};

std::string hexliteral(double value) {
  if (!std::isfinite(value)) throw std::domain_error("a table factor is not finite");
  if (value == 0 && !std::signbit(value)) return "0";
  char digits[64];
  const auto [end, error] =
      std::to_chars(digits, digits + sizeof digits, std::abs(value), std::chars_format::hex);
  if (error != std::errc()) throw std::runtime_error("a factor could not be written");
  return (std::signbit(value) ? "-0x" : "0x") + std::string(digits, end);
}

std::string_view kindname(PairExpression::Kind kind) {
  switch (kind) {
    case PairExpression::Kind::Unchanged:
      return "Unchanged";
    case PairExpression::Kind::Product:
      return "Product";
    case PairExpression::Kind::Doubled:
      return "Doubled";
    case PairExpression::Kind::Offset:
      return "Offset";
  }
  throw std::logic_error("unknown pair kind");
}

void writecells(std::ostream& out, const RuleTable& rule) {
  const ConversionTable table = rule.build();
  out << "constexpr PairCell k" << rule.category << "Cells[] = {\n";
  for (int source = 0; source < table.units(); ++source) {
    out << "    // source unit " << source << "\n";
    for (int destination = 0; destination < table.units(); ++destination) {
      const PairCell cell = table.at(source, destination).cell();
      out << "    {Kind::" << kindname(cell.kind) << ", " << int{cell.places} << ", "
          << int{cell.count} << ", {";
      for (size_t index = 0; index < cell.factors.size(); ++index)
        out << (index ? ", " : "") << hexliteral(cell.factors[index]);
      out << "}},\n";
    }
  }
  out << "};\n\n";
}

// The sizes of the units and then of the multiples, each multiple its listed unit's size times
// its exact factor.
std::vector<merovane::ExactDecimal> unitsizes(const DefinedCategory& defined) {
  std::vector<merovane::ExactDecimal> sizes;
  for (const merovane::Definition& definition : defined.definitions)
    sizes.push_back(merovane::exactvalue(definition.size));
  for (const merovane::UnitMultiple& multiple : defined.multiples) {
    const auto unit = std::find(defined.units.begin(), defined.units.end(), multiple.name.unit);
    if (unit == defined.units.end())
      throw std::invalid_argument("a multiple of no listed unit: " +
                                  std::string(multiple.name.text));
    sizes.push_back(sizes[static_cast<size_t>(unit - defined.units.begin())] *
                    merovane::ExactDecimal::parse(multiple.numerator) /
                    merovane::ExactDecimal::parse(multiple.denominator));
  }
  return sizes;
}

// size(from) / size(to) for every ordered pair of the units and multiples, row by row, each
// rounded once to a double; for a temperature scale the sizes are its degree's.
void writeratios(std::ostream& out, const DefinedCategory& defined) {
  const std::vector<merovane::ExactDecimal> sizes = unitsizes(defined);
  out << "constexpr double k" << defined.category << "Ratios[] = {\n";
  for (const merovane::ExactDecimal& from : sizes) {
    out << "   ";
    for (const merovane::ExactDecimal& to : sizes)
      out << " " << hexliteral((from / to).nearestdouble()) << ",";
    out << "\n";
  }
  out << "};\n\n";
}

std::string generated() {
  std::ostringstream out;
  out << "// Written by merovane-tablegen from the tables' rules at build time; not to be edited.\n"
         "#include \"categories/prebuilt.h\"\n\n"
         "namespace merovane {\nnamespace {\n\n"
         "using Kind = PairExpression::Kind;\n\n";
  for (const RuleTable& rule : kRuleTables) writecells(out, rule);
  for (const DefinedCategory& defined : kDefinedCategories) writeratios(out, defined);
  out << "}  // namespace\n\n"
         "std::span<const PairCell> prebuiltcells(CategoryId id) {\n"
         "  switch (id) {\n";
  for (const RuleTable& rule : kRuleTables)
    out << "    case CategoryId::" << rule.category << ":\n      return k" << rule.category
        << "Cells;\n";
  out << "    default:\n      return {};\n  }\n}\n\n"
         "std::span<const double> preciseratios(CategoryId id) {\n"
         "  switch (id) {\n";
  for (const DefinedCategory& defined : kDefinedCategories)
    out << "    case CategoryId::" << defined.category << ":\n      return k" << defined.category
        << "Ratios;\n";
  out << "  }\n  return {};\n}\n\n}  // namespace merovane\n";
  return out.str();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: merovane-tablegen OUTPUT.cpp\n";
    return 2;
  }
  try {
    const std::string source = generated();
    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file << source;
    file.close();
    if (!file) throw std::runtime_error(std::string("cannot write ") + argv[1]);
  } catch (const std::exception& error) {
    std::cerr << "merovane-tablegen: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
