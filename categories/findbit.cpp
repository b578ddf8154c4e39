#include "categories/findbit.h"

#include <array>
#include <stdexcept>

#include "categories/findbit_data.h"

namespace merovane {
namespace {

constexpr const auto& kUnits = kBitUnits;
constexpr int kBitCount = static_cast<int>(kUnits.size());

// A unit by its listed name.
consteval int unit(std::string_view name) {
  return unitposition(kUnits, name);
}

// The largest distance a single fraction covers; beyond it the pair multiplies a chain.
constexpr int kLongestFraction = 20;

struct Literal {
  int k;
  double factor;
};

// 2^k written to at most 15 significant digits: exact up to 2^47, rounded from 2^50 on, so a
// Petabit is 1125899906842620 bits.
constexpr std::array<Literal, 19> kPowers = {{
    {3, 8},
    {7, 128},
    {10, 1024},
    {13, 8192},
    {17, 131072},
    {20, 1048576},
    {23, 8388608},
    {27, 134217728},
    {30, 1073741824},
    {33, 8589934592},
    {37, 137438953472},
    {40, 1099511627776},
    {43, 8796093022208},
    {47, 140737488355328},
    {50, 1125899906842620},
    {53, 9007199254740990},
    {57, 1.44115188075856E+17},
    {60, 1.15292150460685E+18},
    {63, 9.22337203685478E+18},
}};

// 2^-k written to 6 decimal places, half rounded up: a Bit is 0.000977 Kilobits.
constexpr std::array<Literal, 6> kFractions = {{
    {3, 0.125},
    {7, 0.007813},
    {10, 0.000977},
    {13, 0.000122},
    {17, 0.000008},
    {20, 0.000001},
}};

template <size_t count>
double literalfor(const std::array<Literal, count>& literals, int k) {
  for (const Literal& literal : literals)
    if (literal.k == k) return literal.factor;
  throw std::logic_error("no literal for this size distance");
}

struct Chain {
  int source, destination;
  PairExpression expression;
};

constexpr int kPlaces = 6;

// Every pair toward a unit more than 2^20 larger, with its factors in the order they multiply.
// The same distance is not always built from the same factors, so each pair keeps its own.
// Gigabits to Petabytes alone is not rounded.
const std::vector<Chain>& chains() {
  static const std::vector<Chain> list = {
      {unit("Bits(b)"), unit("Megabytes(MB)"), PairExpression::chain({0.000001, 0.125}, kPlaces)},
      {unit("Bits(b)"), unit("Gigabits(Gb)"), PairExpression::chain({0.000001, 0.000977}, kPlaces)},
      {unit("Bits(b)"), unit("Gigabytes(GB)"),
       PairExpression::chain({0.000001, 0.000122}, kPlaces)},
      {unit("Bits(b)"), unit("Terabits(Tb)"), PairExpression::chain({0.000001, 0.000001}, kPlaces)},
      {unit("Bits(b)"), unit("Terabytes(TB)"),
       PairExpression::chain({0.000001, 0.000001, 0.125}, kPlaces)},
      {unit("Bits(b)"), unit("Petabits(Pt)"),
       PairExpression::chain({0.000001, 0.000001, 0.000977}, kPlaces)},
      {unit("Bits(b)"), unit("Petabytes(PT)"),
       PairExpression::chain({0.000001, 0.000001, 0.000122}, kPlaces)},
      {unit("Bits(b)"), unit("Exabits(Eb)"),
       PairExpression::chain({0.000001, 0.000001, 0.000001}, kPlaces)},
      {unit("Bits(b)"), unit("Exabytes(EB)"),
       PairExpression::chain({0.000001, 0.000001, 0.000001, 0.125}, kPlaces)},
      {unit("Bytes(B)"), unit("Gigabits(Gb)"),
       PairExpression::chain({0.000008, 0.000977}, kPlaces)},
      {unit("Bytes(B)"), unit("Gigabytes(GB)"),
       PairExpression::chain({0.000001, 0.000977}, kPlaces)},
      {unit("Bytes(B)"), unit("Terabits(Tb)"),
       PairExpression::chain({0.000001, 0.000008}, kPlaces)},
      {unit("Bytes(B)"), unit("Terabytes(TB)"),
       PairExpression::chain({0.000001, 0.000001}, kPlaces)},
      {unit("Bytes(B)"), unit("Petabits(Pt)"),
       PairExpression::chain({0.000977, 0.000008, 0.000001}, kPlaces)},
      {unit("Bytes(B)"), unit("Petabytes(PT)"),
       PairExpression::chain({0.000001, 0.000977, 0.000001}, kPlaces)},
      {unit("Bytes(B)"), unit("Exabits(Eb)"),
       PairExpression::chain({0.000001, 0.000008, 0.000001}, kPlaces)},
      {unit("Bytes(B)"), unit("Exabytes(EB)"),
       PairExpression::chain({0.000001, 0.000001, 0.000001}, kPlaces)},
      {unit("Kilobits(Kb)"), unit("Gigabytes(GB)"),
       PairExpression::chain({0.000122, 0.000977}, kPlaces)},
      {unit("Kilobits(Kb)"), unit("Terabits(Tb)"),
       PairExpression::chain({0.000977, 0.000001}, kPlaces)},
      {unit("Kilobits(Kb)"), unit("Terabytes(TB)"),
       PairExpression::chain({0.000122, 0.000977, 0.000977}, kPlaces)},
      {unit("Kilobits(Kb)"), unit("Petabits(Pt)"),
       PairExpression::chain({0.000001, 0.000977, 0.000977}, kPlaces)},
      {unit("Kilobits(Kb)"), unit("Petabytes(PT)"),
       PairExpression::chain({0.000122, 0.000001, 0.000977}, kPlaces)},
      {unit("Kilobits(Kb)"), unit("Exabits(Eb)"),
       PairExpression::chain({0.000001, 0.000001, 0.000977}, kPlaces)},
      {unit("Kilobits(Kb)"), unit("Exabytes(EB)"),
       PairExpression::chain({0.000122, 0.000977, 0.000001, 0.000977}, kPlaces)},
      {unit("Kilobytes(KB)"), unit("Terabits(Tb)"),
       PairExpression::chain({0.000008, 0.000977}, kPlaces)},
      {unit("Kilobytes(KB)"), unit("Terabytes(TB)"),
       PairExpression::chain({0.000001, 0.000977}, kPlaces)},
      {unit("Kilobytes(KB)"), unit("Petabits(Pt)"),
       PairExpression::chain({0.000001, 0.000008}, kPlaces)},
      {unit("Kilobytes(KB)"), unit("Petabytes(PT)"),
       PairExpression::chain({0.000001, 0.000001}, kPlaces)},
      {unit("Kilobytes(KB)"), unit("Exabits(Eb)"),
       PairExpression::chain({0.000008, 0.000977, 0.000001}, kPlaces)},
      {unit("Kilobytes(KB)"), unit("Exabytes(EB)"),
       PairExpression::chain({0.000001, 0.000001, 0.000977}, kPlaces)},
      {unit("Megabits(Mb)"), unit("Terabytes(TB)"),
       PairExpression::chain({0.000001, 0.125}, kPlaces)},
      {unit("Megabits(Mb)"), unit("Petabits(Pt)"),
       PairExpression::chain({0.000977, 0.000001}, kPlaces)},
      {unit("Megabits(Mb)"), unit("Petabytes(PT)"),
       PairExpression::chain({0.000977, 0.000001, 0.125}, kPlaces)},
      {unit("Megabits(Mb)"), unit("Exabits(Eb)"),
       PairExpression::chain({0.000001, 0.000001}, kPlaces)},
      {unit("Megabits(Mb)"), unit("Exabytes(EB)"),
       PairExpression::chain({0.000001, 0.125, 0.000001}, kPlaces)},
      {unit("Megabytes(MB)"), unit("Petabits(Pt)"),
       PairExpression::chain({0.000008, 0.000977}, kPlaces)},
      {unit("Megabytes(MB)"), unit("Petabytes(PT)"),
       PairExpression::chain({0.000977, 0.000001}, kPlaces)},
      {unit("Megabytes(MB)"), unit("Exabits(Eb)"),
       PairExpression::chain({0.000008, 0.000001}, kPlaces)},
      {unit("Megabytes(MB)"), unit("Exabytes(EB)"),
       PairExpression::chain({0.000001, 0.000001}, kPlaces)},
      {unit("Gigabits(Gb)"), unit("Petabytes(PT)"), PairExpression::chain({0.000001, 0.125})},
      {unit("Gigabits(Gb)"), unit("Exabits(Eb)"),
       PairExpression::chain({0.000001, 0.000977}, kPlaces)},
      {unit("Gigabits(Gb)"), unit("Exabytes(EB)"),
       PairExpression::chain({0.000001, 0.125, 0.000977}, kPlaces)},
      {unit("Gigabytes(GB)"), unit("Exabits(Eb)"),
       PairExpression::chain({0.000008, 0.000977}, kPlaces)},
      {unit("Gigabytes(GB)"), unit("Exabytes(EB)"),
       PairExpression::chain({0.000001, 0.000977}, kPlaces)},
      {unit("Terabits(Tb)"), unit("Exabytes(EB)"),
       PairExpression::chain({0.000001, 0.125}, kPlaces)},
  };
  return list;
}

ConversionTable buildbittable() {
  ConversionTable table(kBitCount);
  for (int s = 0; s < kBitCount; ++s)
    for (int d = 0; d < kBitCount; ++d) {
      const int k = bitsizeexponent(s) - bitsizeexponent(d);
      if (k > 0) table.set(s, d, PairExpression::constant(literalfor(kPowers, k)));
      if (k < 0 && -k <= kLongestFraction)
        table.set(s, d, PairExpression::constant(literalfor(kFractions, -k)));
    }
  for (const Chain& chain : chains()) table.set(chain.source, chain.destination, chain.expression);
  return table;
}

// The symbols and other names the units answer to, one unit a line.
// clang-format off
constexpr std::array<UnitName, 50> kNames = {{
    symbol("b", "Bits(b)"), name("Bits", "Bits(b)"), name("Bit", "Bits(b)"),
    symbol("B", "Bytes(B)"), name("Bytes", "Bytes(B)"), name("Byte", "Bytes(B)"),
    symbol("kb", "Kilobits(Kb)"), symbol("Kb", "Kilobits(Kb)"), name("Kilobits", "Kilobits(Kb)"),
        name("Kilobit", "Kilobits(Kb)"),
    symbol("kB", "Kilobytes(KB)"), symbol("KB", "Kilobytes(KB)"), symbol("KiB", "Kilobytes(KB)"),
        name("Kilobytes", "Kilobytes(KB)"), name("Kilobyte", "Kilobytes(KB)"),
    symbol("Mb", "Megabits(Mb)"), name("Megabits", "Megabits(Mb)"), name("Megabit", "Megabits(Mb)"),
    symbol("MB", "Megabytes(MB)"), symbol("MiB", "Megabytes(MB)"), name("Megabytes", "Megabytes(MB)"),
        name("Megabyte", "Megabytes(MB)"),
    symbol("Gb", "Gigabits(Gb)"), name("Gigabits", "Gigabits(Gb)"), name("Gigabit", "Gigabits(Gb)"),
    symbol("GB", "Gigabytes(GB)"), symbol("GiB", "Gigabytes(GB)"), name("Gigabytes", "Gigabytes(GB)"),
        name("Gigabyte", "Gigabytes(GB)"),
    symbol("Tb", "Terabits(Tb)"), name("Terabits", "Terabits(Tb)"), name("Terabit", "Terabits(Tb)"),
    symbol("TB", "Terabytes(TB)"), symbol("TiB", "Terabytes(TB)"), name("Terabytes", "Terabytes(TB)"),
        name("Terabyte", "Terabytes(TB)"),
    symbol("Pb", "Petabits(Pt)"), name("Petabits", "Petabits(Pt)"), name("Petabit", "Petabits(Pt)"),
    symbol("PB", "Petabytes(PT)"), symbol("PiB", "Petabytes(PT)"), name("Petabytes", "Petabytes(PT)"),
        name("Petabyte", "Petabytes(PT)"),
    symbol("Eb", "Exabits(Eb)"), name("Exabits", "Exabits(Eb)"), name("Exabit", "Exabits(Eb)"),
    symbol("EB", "Exabytes(EB)"), symbol("EiB", "Exabytes(EB)"), name("Exabytes", "Exabytes(EB)"), name("Exabyte", "Exabytes(EB)"),
}};
// clang-format on

// Powers of two toward smaller units, 6-decimal fractions toward larger ones, and a chain of
// fractions rounded to 6 places where one fraction would be too small.
const ConversionTable& bittable() {
  static const ConversionTable table = buildbittable();
  return table;
}

}  // namespace

const CategoryRecord& bitcategory() {
  static const CategoryRecord category{
      .id = CategoryId::BitsAndBytes,
      .caption = "Bits and Bytes",
      .units = kUnits,
      .table = bittable,
      .shape = Shape::NumberGrid,
      .failures = FailureDisplay::MessageBox,
      .emptytext = EmptyText::ConvertsNothing,
      .names = kNames,
      .definitions = kBitDefinitions,
  };
  return category;
}

}  // namespace merovane
