#include "api/chart.h"

namespace merovane {

// The source text is read once for all cells. A result grid works out every cell before it
// shows one, so its first failing cell (row by row) fails every pair; a pair scan computes only
// the selected pair, so each cell fails or converts on its own.
Chart::Chart(const Category& category, std::string_view value)
    : units_(static_cast<int>(category.units.size())) {
  const size_t cells = static_cast<size_t>(units_ * units_);
  if (value.empty() && category.emptytext == EmptyText::ConvertsNothing) {
    cells_.assign(cells, Result::nothing());
    return;
  }
  double number;
  try {
    number = texttonumber(value);
  } catch (const RuntimeError& error) {
    cells_.assign(cells, Result::failed(error));
    return;
  }
  const ConversionTable& table = category.table();
  const bool grid = category.shape != Shape::PairScan;
  cells_.reserve(cells);
  for (int from = 0; from < units_; ++from)
    for (int to = 0; to < units_; ++to) {
      try {
        cells_.push_back(Result::converted(table.convert(from, to, number)));
      } catch (const RuntimeError& error) {
        if (!grid) {
          cells_.push_back(Result::failed(error));
          continue;
        }
        cells_.assign(cells, Result::failed(error));
        return;
      }
    }
}

}  // namespace merovane
