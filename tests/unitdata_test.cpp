// The unit data's own properties, and the generator's checks of it: a failure names the file
// and line of each row at fault.
#include "tests/unitdata.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "categories/categories.h"
#include "tablegen/departurecheck.h"
#include "tablegen/quantity.h"
#include "tablegen/tablebuild.h"

namespace merovane {
namespace {

using gen::DataError;

// A file of this test process's own, so that tests run at once never share one; removed when
// the process ends.
std::string scratch(const std::string& name) {
  struct Files {
    std::vector<std::string> paths;
    ~Files() {
      for (const std::string& path : paths) std::filesystem::remove(path);
    }
  };
  static Files files;
  files.paths.push_back((std::filesystem::temp_directory_path() /
                         ("merovane-" + std::to_string(::getpid()) + "-" + name))
                            .string());
  return files.paths.back();
}

// The message a small data set fails with: a constants file of metres and seconds, and one
// category file of the header below followed by `rows`.
std::string failure(const std::string& rows) {
  const std::string constants = scratch("constants.units");
  const std::string length = scratch("length.units");
  std::ofstream(constants) << "base m | length\nbase s | time\n";
  std::ofstream(length) << "category Length\ncaption Length\nreference m\nshape TextGrid\n"
                           "failures Silent\nempty ConvertsNothing\n"
                        << rows;
  try {
    const std::vector<gen::CategoryFile> files = {gen::readcategory(length)};
    const gen::UnitModel model = gen::buildmodel(gen::readconstants(constants), files);
    const gen::Table table = gen::buildtable(model.categories.front());
    gen::departures(model.categories.front(), table);
  } catch (const DataError& error) {
    std::string message = error.what();
    for (size_t at; (at = message.find(length)) != std::string::npos;)
      message.replace(at, length.size(), "length.units");
    return message;
  }
  return "";
}

constexpr const char* kGrid = "grid m ft\nm - 3.2808399\nft 0.3048 -\n";

TEST(UnitData, AWellFormedSetPasses) {
  EXPECT_EQ(failure(std::string("Meters | m | Meter | m\nFeet | ft | Foot | 0.3048 m\n") + kGrid),
            "");
}

TEST(UnitData, ADuplicateNameNamesBothRows) {
  EXPECT_EQ(failure(std::string("Meters | m | Meter | m\nFeet | ft | meter | 0.3048 m\n") + kGrid),
            "length.units:8: the name \"meter\" twice (and length.units:7)");
  EXPECT_EQ(failure(std::string("Meters | m | Meter | m\nFeet | m | Foot | 0.3048 m\n") + kGrid),
            "length.units:8: the name \"m\" twice (and length.units:7)");
}

TEST(UnitData, AnUnknownNameInADefinitionFails) {
  EXPECT_EQ(failure(std::string("Meters | m | Meter | m\nFeet | ft | Foot | 0.3048 mm\n") + kGrid),
            "length.units:8: unknown name mm in a definition");
}

TEST(UnitData, ADefinitionOfAnotherDimensionFails) {
  EXPECT_EQ(failure(std::string("Meters | m | Meter | m\nFeet | ft | Foot | 0.3048 m/s\n") + kGrid),
            "length.units:8: the definition is m s^-1, not the category's reference unit m (m) "
            "(and length.units:1)");
}

TEST(UnitData, ADefinitionThatRefersToItselfFails) {
  EXPECT_EQ(failure(std::string("Meters | m | Meter | m\nFeet | ft | Foot | 12 ft\n") + kGrid),
            "length.units:8: a definition that refers to itself");
}

TEST(UnitData, ADepartureNeedsItsWhyAndAWhyItsDeparture) {
  const std::string rows = "Meters | m | Meter | m\nFeet | ft | Foot | 0.3048 m\n";
  EXPECT_EQ(failure(rows + "grid m ft\nm - 3.2\nft 0.3048 -\n"),
            "length.units:1: Meters to Feet departs from the definitions (table 3.2, definition "
            "3.280839895013123): say why");
  EXPECT_EQ(failure(rows + "grid m ft\nm - 3.2\nft 0.3048 -\nwhy m > ft = a coarse foot\n"), "");
  EXPECT_EQ(failure(rows + kGrid + "why ft > m = no reason\n"),
            "length.units:12: a why for a pair that does not depart");
}

TEST(UnitData, AGridHoleNeedsItsPair) {
  const std::string rows = "Meters | m | Meter | m\nFeet | ft | Foot | 0.3048 m\n";
  EXPECT_EQ(failure(rows + "grid m ft\nm - -\nft 0.3048 -\n"),
            "length.units:9: a grid's cell \"-\" off the diagonal needs its pair");
  EXPECT_EQ(failure(rows + "grid m ft\nm - -\nft 0.3048 -\npair m > ft = 3.2808399\n"), "");
}

TEST(UnitData, AMultipleIsAFactorOfAListedUnit) {
  const std::string rows = "Meters | m | Meter | m\nFeet | ft | Foot | 0.3048 m\n";
  EXPECT_EQ(failure(rows + "- | km | | 1000 m\n" + kGrid), "");
  EXPECT_EQ(failure(rows + "- | km | | m 1000\n" + kGrid),
            "length.units:9: a multiple is defined as N or N/M times a listed unit: m 1000");
}

// The rows the next categories bring: a definition through a constant held to 50 digits, and a
// reciprocal row, read now.
TEST(UnitData, IrrationalAndReciprocalRowsAreRead) {
  const std::string constants = scratch("constants-pi.units");
  const std::string angle = scratch("angle.units");
  std::ofstream(constants) << "base m | length\n"
                              "pi = 3.1415926535897932384626433832795028841971693993751 | "
                              "irrational; to 50 significant digits\n";
  std::ofstream(angle) << "category Angle\ncaption Angle\nreference m\nshape PairScan\n"
                          "failures Silent\nempty Read\n"
                          "- | m | | m\n- | | Turn | 2 pi m\n- | | Per meter | reciprocal 1/m\n";
  const std::vector<gen::CategoryFile> files = {gen::readcategory(angle)};
  const gen::UnitModel model = gen::buildmodel(gen::readconstants(constants), files);
  const std::vector<gen::Unit>& rows = model.categories.front().rows;
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_FALSE(rows[0].irrational);
  EXPECT_TRUE(rows[1].irrational);
  EXPECT_EQ(rows[1].size.nearestdouble(), 6.283185307179586);
  EXPECT_TRUE(rows[2].reciprocal);
}

// Every figure a rule-built table works from lies within half a unit of its last written digit
// of the row's definition, in the column's unit, or the row says why it does not.
TEST(UnitData, EveryRowsTableFigureIsItsDefinitionOrSaysWhy) {
  int figures = 0;
  for (const gen::UnitCategory& category : testing::unitdata().model.categories) {
    if (category.file->column.empty()) continue;
    const int column = category.listedrow(category.file->column, category.file->columnplace);
    for (int row = 0; row < category.listedcount; ++row) {
      const gen::Unit& unit = category.rows[static_cast<size_t>(row)];
      SCOPED_TRACE(unit.line->place.text() + " " + unit.line->listed);
      const ExactDecimal want = unit.size / category.rows[static_cast<size_t>(column)].size;
      const std::string& text = unit.line->table;
      ASSERT_FALSE(text.empty());
      if (!gen::isnumber(text)) continue;  // an exact quotient of the table's base values
      const size_t point = text.find('.');
      ExactDecimal half = ExactDecimal(1) / 2;
      for (size_t at = point; point != std::string::npos && at + 1 < text.size(); ++at)
        half = half / 10;
      const ExactDecimal figure = gen::numbervalue(text);
      const bool close = !(want < figure - half) && !(figure + half < want);
      EXPECT_NE(close, !unit.line->why.empty()) << "figure " << text;
      ++figures;
    }
  }
  EXPECT_GT(figures, 80);
}

// Where a rule would round a constant to zero the table sets a chain instead: no table of any
// category multiplies by zero.
TEST(UnitData, NoTableMultipliesByZero) {
  for (const CategoryRecord& record : categories()) {
    if (record.table == nullptr) continue;
    const ConversionTable& table = record.table();
    for (int i = 0; i < table.units(); ++i)
      for (int j = 0; j < table.units(); ++j) {
        const PairExpression& pair = table.at(i, j);
        if (pair.kind() != PairExpression::Kind::Product) continue;
        for (int k = 0; k < pair.factorcount(); ++k)
          EXPECT_NE(pair.factor(k), 0) << record.caption << " " << i << " -> " << j;
      }
  }
}

// The names the window lists are unique within their category, and each is its row's.
TEST(UnitData, EveryListedNameIsOneRowsOwn) {
  for (const CategoryRecord& record : categories())
    for (size_t at = 0; at < record.units.size(); ++at) {
      EXPECT_EQ(record.rows[at].listed, record.units[at]) << record.caption;
      for (size_t other = 0; other < at; ++other)
        EXPECT_FALSE(gen::samename(std::string(record.units[at]), std::string(record.units[other])))
            << record.units[at];
    }
}

}  // namespace
}  // namespace merovane
