// A category as the conversion engine sees it: one record of everything that makes one
// category's conversion differ from another's.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "core/conversiontable.h"
#include "core/precise.h"
#include "core/unitrow.h"

namespace merovane {

// The window's twelve categories, in the order of its category table, then those of the command
// line and the library alone.
enum class CategoryId {
  Area,
  BitsAndBytes,
  Density,
  Energy,
  Force,
  Length,
  Weight,
  Power,
  Pressure,
  Speed,
  Temperature,
  Volume,
  Time,
  Angle,
  FuelEconomy,
  DataRate,
  Frequency,
  Acceleration,
};
// The window's categories: the first kCategoryCount of CategoryId.
inline constexpr int kCategoryCount = 12;
inline constexpr int kAllCategoryCount = 18;

// How a category finds the selected pair.
enum class Shape : std::uint8_t {
  PairScan,    // asks both lists about every pair and computes only the selected one
  TextGrid,    // every pair's text first, then the selected cell
  NumberGrid,  // every pair's number first, then the selected cell's text
};

// How a category shows a failed conversion.
enum class FailureDisplay : std::uint8_t {
  Silent,      // nothing is shown
  MessageBox,  // the error's description with an OK button and the default title
};

// What an empty source text does.
enum class EmptyText : std::uint8_t {
  Read,             // it is read like any text, and fails as no number
  ConvertsNothing,  // the conversion ends at once, quietly
};

// Everything about one category, written by merovane-tablegen from its data file.
struct CategoryRecord {
  CategoryId id;
  std::string_view caption;
  std::span<const std::string_view> units;  // the window's listed names, in its order
  // The window's table over the listed units; built on first use, every later call returns the
  // same table. nullptr for a category the window does not have.
  const ConversionTable& (*table)();
  Shape shape;
  FailureDisplay failures;
  EmptyText emptytext;
  // Every unit: the listed ones first, in the window's order (rows[i] is units[i]), then the
  // others (the listed units' multiples, and units the tables do not hold).
  std::span<const UnitRow> rows = {};
  // rows.size() squared maps, row by row: precise[from * rows.size() + to] converts by the
  // definitions from row `from` to row `to`.
  std::span<const PreciseMap> precise = {};
  // Names that stand for several of its units, and the written forms its names may be typed in.
  std::span<const AmbiguousName> ambiguous = {};
  std::span<const WrittenForm> writtenforms = {};
  // The unit every definition's size is counted in, as shown ("m²").
  std::string_view reference = {};
  // The values every cell of the window's table converts: a result grid fails every pair beyond.
  GridRange grid = {};
};

}  // namespace merovane
