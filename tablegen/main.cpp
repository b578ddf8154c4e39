// merovane-tablegen OUTPUT: works out the six rule-built tables with exact arithmetic and writes
// them as a C++ source of constant cells, so that the program itself never does that work. Every
// factor is written as a hexadecimal floating literal, which the compiler reads back bit for bit.
#include <charconv>
#include <cmath>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/conversiontable.h"
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

std::string generated() {
  std::ostringstream out;
  out << "// Written by merovane-tablegen from the tables' rules at build time; not to be edited.\n"
         "#include \"categories/prebuilt.h\"\n\n"
         "namespace merovane {\nnamespace {\n\n"
         "using Kind = PairExpression::Kind;\n\n";
  for (const RuleTable& rule : kRuleTables) writecells(out, rule);
  out << "}  // namespace\n\n"
         "std::span<const PairCell> prebuiltcells(CategoryId id) {\n"
         "  switch (id) {\n";
  for (const RuleTable& rule : kRuleTables)
    out << "    case CategoryId::" << rule.category << ":\n      return k" << rule.category
        << "Cells;\n";
  out << "    default:\n      return {};\n  }\n}\n\n}  // namespace merovane\n";
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
