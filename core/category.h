// A category as the conversion engine sees it: one record of everything that makes one
// category's conversion differ from another's.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "core/conversiontable.h"
#include "core/definition.h"
#include "core/unitname.h"

namespace merovane {

// The twelve categories, in the order of the window's category table.
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
};
inline constexpr int kCategoryCount = 12;

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

// The position of `name` in a unit list, for tables that name their units; a name the list does
// not hold fails to compile.
consteval int unitposition(std::span<const std::string_view> units, std::string_view name) {
  for (size_t at = 0; at < units.size(); ++at)
    if (units[at] == name) return static_cast<int>(at);
  throw "no such unit in the list";
}

struct CategoryRecord {
  CategoryId id;
  std::string_view caption;
  std::span<const std::string_view> units;
  // Built on first use; every later call returns the same table.
  const ConversionTable& (*table)();
  Shape shape;
  FailureDisplay failures;
  EmptyText emptytext;
  // The other names and symbols its units answer to on the command line.
  std::span<const UnitName> names = {};
  // Each unit's exact definition, in the order of `units` (empty until a category has them).
  std::span<const Definition> definitions = {};
  // Exact multiples of its units, names that stand for several of its units, and the written
  // forms its names may be typed in.
  std::span<const UnitMultiple> multiples = {};
  std::span<const UnitName> ambiguous = {};
  std::span<const WrittenForm> writtenforms = {};
};

}  // namespace merovane
