#include "api/chart.h"

#include "api/precisepair.h"

namespace merovane {

// The source text is read once for all cells. Where one failing cell fails every pair (a result
// grid in the tables' mode), the first failing cell, row by row, fails the chart; elsewhere each
// cell fails or converts on its own.
Chart::Chart(const CategoryRecord& category, std::string_view value, Options options)
    : units_(static_cast<int>(category.units.size())) {
  checkoptions(options);
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
  const bool precise = options.mode == Mode::Precise;
  const ConversionTable& table = category.table();
  cells_.reserve(cells);
  for (int from = 0; from < units_; ++from)
    for (int to = 0; to < units_; ++to) {
      try {
        const double result = precise ? precisemap(category, from, to).apply(number)
                                      : table.convert(from, to, number);
        cells_.push_back(Result::converted(result, options.digits));
      } catch (const RuntimeError& error) {
        if (!failswhole(category, options.mode)) {
          cells_.push_back(Result::failed(error));
          continue;
        }
        cells_.assign(cells, Result::failed(error));
        return;
      }
    }
}

}  // namespace merovane
