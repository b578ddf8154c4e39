#include "categories/findbit.h"

#include <array>
#include <stdexcept>

#include "categories/onwindow.h"

namespace merovane {
namespace {

constexpr std::array<std::string_view, 14> kUnits = {
    "Bits(b)",       "Bytes(B)",      "Kilobits(Kb)",  "Kilobytes(KB)", "Megabits(Mb)",
    "Megabytes(MB)", "Gigabits(Gb)",  "Gigabytes(GB)", "Terabits(Tb)",  "Terabytes(TB)",
    "Petabits(Pt)",  "Petabytes(PT)", "Exabits(Eb)",   "Exabytes(EB)"};
constexpr int kBitUnits = static_cast<int>(kUnits.size());

enum Unit {
  Bits,
  Bytes,
  Kilobits,
  Kilobytes,
  Megabits,
  Megabytes,
  Gigabits,
  Gigabytes,
  Terabits,
  Terabytes,
  Petabits,
  Petabytes,
  Exabits,
  Exabytes
};

// A unit's size in bits as a power of two: bits and bytes alternate, a prefix step is 2^10.
constexpr int sizeexponent(int unit) {
  return 10 * (unit / 2) + 3 * (unit % 2);
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
  Unit source, destination;
  PairExpression expression;
};

constexpr int kPlaces = 6;

// Every pair toward a unit more than 2^20 larger, with its factors in the order they multiply.
// The same distance is not always built from the same factors, so each pair keeps its own.
// Gigabits to Petabytes alone is not rounded.
const std::vector<Chain>& chains() {
  static const std::vector<Chain> list = {
      {Bits, Megabytes, PairExpression::chain({0.000001, 0.125}, kPlaces)},
      {Bits, Gigabits, PairExpression::chain({0.000001, 0.000977}, kPlaces)},
      {Bits, Gigabytes, PairExpression::chain({0.000001, 0.000122}, kPlaces)},
      {Bits, Terabits, PairExpression::chain({0.000001, 0.000001}, kPlaces)},
      {Bits, Terabytes, PairExpression::chain({0.000001, 0.000001, 0.125}, kPlaces)},
      {Bits, Petabits, PairExpression::chain({0.000001, 0.000001, 0.000977}, kPlaces)},
      {Bits, Petabytes, PairExpression::chain({0.000001, 0.000001, 0.000122}, kPlaces)},
      {Bits, Exabits, PairExpression::chain({0.000001, 0.000001, 0.000001}, kPlaces)},
      {Bits, Exabytes, PairExpression::chain({0.000001, 0.000001, 0.000001, 0.125}, kPlaces)},
      {Bytes, Gigabits, PairExpression::chain({0.000008, 0.000977}, kPlaces)},
      {Bytes, Gigabytes, PairExpression::chain({0.000001, 0.000977}, kPlaces)},
      {Bytes, Terabits, PairExpression::chain({0.000001, 0.000008}, kPlaces)},
      {Bytes, Terabytes, PairExpression::chain({0.000001, 0.000001}, kPlaces)},
      {Bytes, Petabits, PairExpression::chain({0.000977, 0.000008, 0.000001}, kPlaces)},
      {Bytes, Petabytes, PairExpression::chain({0.000001, 0.000977, 0.000001}, kPlaces)},
      {Bytes, Exabits, PairExpression::chain({0.000001, 0.000008, 0.000001}, kPlaces)},
      {Bytes, Exabytes, PairExpression::chain({0.000001, 0.000001, 0.000001}, kPlaces)},
      {Kilobits, Gigabytes, PairExpression::chain({0.000122, 0.000977}, kPlaces)},
      {Kilobits, Terabits, PairExpression::chain({0.000977, 0.000001}, kPlaces)},
      {Kilobits, Terabytes, PairExpression::chain({0.000122, 0.000977, 0.000977}, kPlaces)},
      {Kilobits, Petabits, PairExpression::chain({0.000001, 0.000977, 0.000977}, kPlaces)},
      {Kilobits, Petabytes, PairExpression::chain({0.000122, 0.000001, 0.000977}, kPlaces)},
      {Kilobits, Exabits, PairExpression::chain({0.000001, 0.000001, 0.000977}, kPlaces)},
      {Kilobits, Exabytes,
       PairExpression::chain({0.000122, 0.000977, 0.000001, 0.000977}, kPlaces)},
      {Kilobytes, Terabits, PairExpression::chain({0.000008, 0.000977}, kPlaces)},
      {Kilobytes, Terabytes, PairExpression::chain({0.000001, 0.000977}, kPlaces)},
      {Kilobytes, Petabits, PairExpression::chain({0.000001, 0.000008}, kPlaces)},
      {Kilobytes, Petabytes, PairExpression::chain({0.000001, 0.000001}, kPlaces)},
      {Kilobytes, Exabits, PairExpression::chain({0.000008, 0.000977, 0.000001}, kPlaces)},
      {Kilobytes, Exabytes, PairExpression::chain({0.000001, 0.000001, 0.000977}, kPlaces)},
      {Megabits, Terabytes, PairExpression::chain({0.000001, 0.125}, kPlaces)},
      {Megabits, Petabits, PairExpression::chain({0.000977, 0.000001}, kPlaces)},
      {Megabits, Petabytes, PairExpression::chain({0.000977, 0.000001, 0.125}, kPlaces)},
      {Megabits, Exabits, PairExpression::chain({0.000001, 0.000001}, kPlaces)},
      {Megabits, Exabytes, PairExpression::chain({0.000001, 0.125, 0.000001}, kPlaces)},
      {Megabytes, Petabits, PairExpression::chain({0.000008, 0.000977}, kPlaces)},
      {Megabytes, Petabytes, PairExpression::chain({0.000977, 0.000001}, kPlaces)},
      {Megabytes, Exabits, PairExpression::chain({0.000008, 0.000001}, kPlaces)},
      {Megabytes, Exabytes, PairExpression::chain({0.000001, 0.000001}, kPlaces)},
      {Gigabits, Petabytes, PairExpression::chain({0.000001, 0.125})},
      {Gigabits, Exabits, PairExpression::chain({0.000001, 0.000977}, kPlaces)},
      {Gigabits, Exabytes, PairExpression::chain({0.000001, 0.125, 0.000977}, kPlaces)},
      {Gigabytes, Exabits, PairExpression::chain({0.000008, 0.000977}, kPlaces)},
      {Gigabytes, Exabytes, PairExpression::chain({0.000001, 0.000977}, kPlaces)},
      {Terabits, Exabytes, PairExpression::chain({0.000001, 0.125}, kPlaces)},
  };
  return list;
}

ConversionTable buildbittable() {
  ConversionTable table(kBitUnits);
  for (int s = 0; s < kBitUnits; ++s)
    for (int d = 0; d < kBitUnits; ++d) {
      const int k = sizeexponent(s) - sizeexponent(d);
      if (k > 0) table.set(s, d, PairExpression::constant(literalfor(kPowers, k)));
      if (k < 0 && -k <= kLongestFraction)
        table.set(s, d, PairExpression::constant(literalfor(kFractions, -k)));
    }
  for (const Chain& chain : chains()) table.set(chain.source, chain.destination, chain.expression);
  return table;
}

}  // namespace

std::span<const std::string_view> bitunits() {
  return kUnits;
}

const ConversionTable& bittable() {
  static const ConversionTable table = buildbittable();
  return table;
}

const Category& bitcategory() {
  static const Category category{
      .id = CategoryId::BitsAndBytes,
      .caption = "Bits and Bytes",
      .units = bitunits(),
      .table = bittable,
      .shape = Shape::NumberGrid,
      .failures = FailureDisplay::MessageBox,
      .emptytext = EmptyText::ConvertsNothing,
  };
  return category;
}

void convertbits(ListBox& listbits, ListBox& listbitd, TextBox& txtbits, TextBox& txtbitd) {
  convertonwindow(bitcategory(), listbits, listbitd, txtbits, txtbitd);
}

}  // namespace merovane
