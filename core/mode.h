// Which numbers a conversion goes by, and the one rule on which a failing cell fails more than
// itself.
#pragma once

#include <cstdint>

#include "core/category.h"

namespace merovane {

enum class Mode : std::uint8_t {
  Tables,   // the window's tables: their constants, chains and rounding, figure for figure
  Precise,  // the units' exact definitions: the pair's ratio rounded once, one multiplication
};

// Whether one failing cell fails every pair of the category. A result grid works out every
// cell's result before it shows the selected one, so the first cell that fails (row by row)
// fails them all; a pair scan, and every precise conversion, works out only its own pair.
constexpr bool failswhole(const CategoryRecord& category, Mode mode = Mode::Tables) {
  return mode == Mode::Tables && category.shape != Shape::PairScan;
}

}  // namespace merovane
