// The tables compiled in at build time against the same tables worked out by their rules now:
// every cell must match in kind, rounding, factor count and every bit of every factor.
#include "categories/prebuilt.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "categories/categories.h"
#include "categories/finddensity.h"
#include "categories/findlength.h"
#include "categories/findpower.h"
#include "categories/findspeed.h"
#include "categories/findvolume.h"
#include "categories/findweight1.h"
#include "tablegen/ruletables.h"

namespace merovane {
namespace {

struct RuleBuilt {
  CategoryId id;
  ConversionTable (*build)();
};

TEST(PrebuiltTables, EveryCellIsTheRulesOwnBitForBit) {
  const std::vector<RuleBuilt> tables = {
      {CategoryId::Density, builddensitytable}, {CategoryId::Length, buildlengthtable},
      {CategoryId::Weight, buildweighttable},   {CategoryId::Power, buildpowertable},
      {CategoryId::Speed, buildspeedtable},     {CategoryId::Volume, buildvolumetable},
  };
  for (const RuleBuilt& entry : tables) {
    const ConversionTable& shipped = category(entry.id).table();
    const ConversionTable byrule = entry.build();
    const int units = static_cast<int>(category(entry.id).units.size());
    SCOPED_TRACE(category(entry.id).caption);
    ASSERT_EQ(shipped.units(), units);
    ASSERT_EQ(byrule.units(), units);
    for (int i = 0; i < units; ++i)
      for (int j = 0; j < units; ++j) {
        const PairExpression& got = shipped.at(i, j);
        const PairExpression& want = byrule.at(i, j);
        ASSERT_EQ(got.kind(), want.kind()) << i << " -> " << j;
        ASSERT_EQ(got.places(), want.places()) << i << " -> " << j;
        ASSERT_EQ(got.factorcount(), want.factorcount()) << i << " -> " << j;
        for (int k = 0; k < 4; ++k)
          ASSERT_EQ(std::bit_cast<std::uint64_t>(got.factor(k)),
                    std::bit_cast<std::uint64_t>(want.factor(k)))
              << i << " -> " << j << " factor " << k;
      }
  }
}

TEST(PrebuiltTables, OnlyTheRuleBuiltCategoriesHaveCells) {
  const std::vector<std::pair<CategoryId, size_t>> expected = {
      {CategoryId::Area, 0},     {CategoryId::BitsAndBytes, 0}, {CategoryId::Density, 289},
      {CategoryId::Energy, 0},   {CategoryId::Force, 0},        {CategoryId::Length, 484},
      {CategoryId::Weight, 529}, {CategoryId::Power, 441},      {CategoryId::Pressure, 0},
      {CategoryId::Speed, 400},  {CategoryId::Temperature, 0},  {CategoryId::Volume, 441},
  };
  for (const auto& [id, cells] : expected)
    EXPECT_EQ(prebuiltcells(id).size(), cells) << category(id).caption;
}

TEST(PrebuiltTables, CellsMakeATableOfTheirKinds) {
  using Kind = PairExpression::Kind;
  const std::vector<PairCell> cells = {
      {Kind::Unchanged, kNoRounding, 0, {}},
      {Kind::Product, 2, 2, {0.5, 0.125, 0, 0}},
      {Kind::Doubled, kNoRounding, 0, {}},
      {Kind::Offset, kNoRounding, 2, {32, 1.8, 0, 0}},
  };
  const ConversionTable table(2, cells);
  EXPECT_EQ(table.convert(0, 0, 7), 7);
  EXPECT_EQ(table.convert(0, 1, 7), 0.44);  // 7 * 0.5 * 0.125 = 0.4375, kept to 2 places
  EXPECT_EQ(table.convert(1, 0, 7), 14);
  EXPECT_EQ(table.convert(1, 1, 7), 7);  // the diagonal never applies its cell
  EXPECT_EQ(table.at(1, 1).apply(2), 33.8);
}

TEST(PrebuiltTables, WrongCellCountsAreRefused) {
  const std::vector<PairCell> three(3);
  EXPECT_THROW(ConversionTable(2, three), std::length_error);
  EXPECT_THROW(ConversionTable(1, std::vector<PairCell>{}), std::length_error);
  PairCell overfull;
  overfull.kind = PairExpression::Kind::Product;
  overfull.count = 5;
  EXPECT_THROW(PairExpression::fromcell(overfull), std::length_error);
}

}  // namespace
}  // namespace merovane
