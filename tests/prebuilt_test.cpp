// The records compiled in at build time against the unit data worked out now: every table cell
// must match in kind, rounding, factor count and every bit of every factor, and every row its
// data's row.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "categories/categories.h"
#include "tablegen/tablebuild.h"
#include "tests/unitdata.h"

namespace merovane {
namespace {

TEST(PrebuiltTables, EveryCellIsTheDatasOwnBitForBit) {
  const auto& model = testing::unitdata().model;
  ASSERT_EQ(model.categories.size(), categories().size());
  for (size_t at = 0; at < model.categories.size(); ++at) {
    const CategoryRecord& record = categories()[at];
    SCOPED_TRACE(record.caption);
    if (!model.categories[at].file->hastable()) {
      EXPECT_EQ(record.table, nullptr);
      continue;
    }
    const ConversionTable& shipped = record.table();
    const gen::Table fromdata = gen::buildtable(model.categories[at]);
    const int units = static_cast<int>(record.units.size());
    ASSERT_EQ(shipped.units(), units);
    ASSERT_EQ(fromdata.table.units(), units);
    for (int i = 0; i < units; ++i)
      for (int j = 0; j < units; ++j) {
        const PairExpression& got = shipped.at(i, j);
        const PairExpression& want = fromdata.table.at(i, j);
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

TEST(PrebuiltTables, EveryRowIsTheDatasRow) {
  const auto& model = testing::unitdata().model;
  for (size_t at = 0; at < model.categories.size(); ++at) {
    const CategoryRecord& record = categories()[at];
    const gen::UnitCategory& data = model.categories[at];
    SCOPED_TRACE(record.caption);
    EXPECT_EQ(record.caption, data.file->caption);
    ASSERT_EQ(record.rows.size(), data.rows.size());
    ASSERT_EQ(record.units.size(), static_cast<size_t>(data.listedcount));
    ASSERT_EQ(record.precise.size(), record.rows.size() * record.rows.size());
    for (size_t row = 0; row < data.rows.size(); ++row) {
      const UnitRow& compiled = record.rows[row];
      const gen::RowLine& line = *data.rows[row].line;
      EXPECT_EQ(compiled.listed, line.listed);
      if (row < record.units.size()) {
        EXPECT_EQ(record.units[row], line.listed);
      }
      EXPECT_EQ(std::vector<std::string>(compiled.symbols.begin(), compiled.symbols.end()),
                line.symbols);
      EXPECT_EQ(std::vector<std::string>(compiled.names.begin(), compiled.names.end()), line.names);
      EXPECT_EQ(compiled.base, data.rows[row].base);
      EXPECT_EQ(std::bit_cast<std::uint64_t>(compiled.factor),
                std::bit_cast<std::uint64_t>(data.rows[row].factor));
    }
  }
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
