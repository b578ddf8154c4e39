#include "core/frame.h"

#include <array>

namespace merovane {
namespace {
// Writes cell (ListIndex of source, ListIndex of destination), asking both lists at every step.
template <class Cell>
void showselectedcell(const ListBox& sourcelist, const ListBox& destinationlist,
                      TextBox& destinationbox, int units, Cell&& cell) {
  for (int i = 0; i < units; ++i)
    for (int j = 0; j < units; ++j) {
      const int source = sourcelist.ListIndex();
      const int destination = destinationlist.ListIndex();
      if (destination == j && source == i) destinationbox.SetText(cell(i, j));
    }
}
}  // namespace

void pairscan(const ListBox& sourcelist, const ListBox& destinationlist, TextBox& destinationbox,
              const ConversionTable& table, double value) {
  const int units = table.units();
  for (int i = 0; i < units; ++i)
    for (int j = 0; j < units; ++j) {
      const bool source = sourcelist.Selected(i);
      const bool destination = destinationlist.Selected(j);
      if (source && destination) destinationbox.SetText(numbertotext(table.convert(i, j, value)));
    }
}

void textgrid(const ListBox& sourcelist, const ListBox& destinationlist, TextBox& destinationbox,
              const ConversionTable& table, double value) {
  // Every text fits its cell: numbertotext never writes more than kNumberTextCapacity chars.
  struct Cell {
    std::array<char, kNumberTextCapacity> text;
    int length;
  };
  const int units = table.units();
  std::vector<Cell> grid(static_cast<size_t>(units * units));
  for (int i = 0; i < units; ++i)
    for (int j = 0; j < units; ++j) {
      Cell& cell = grid[static_cast<size_t>(i * units + j)];
      cell.length = numbertotext(table.convert(i, j, value), cell.text.data());
    }
  showselectedcell(sourcelist, destinationlist, destinationbox, units, [&](int i, int j) {
    const Cell& cell = grid[static_cast<size_t>(i * units + j)];
    return std::string(cell.text.data(), static_cast<size_t>(cell.length));
  });
}

void numbergrid(const ListBox& sourcelist, const ListBox& destinationlist, TextBox& destinationbox,
                const ConversionTable& table, double value) {
  const int units = table.units();
  std::vector<double> grid(static_cast<size_t>(units * units));
  for (int i = 0; i < units; ++i)
    for (int j = 0; j < units; ++j)
      grid[static_cast<size_t>(i * units + j)] = table.convert(i, j, value);
  showselectedcell(sourcelist, destinationlist, destinationbox, units, [&](int i, int j) {
    return numbertotext(grid[static_cast<size_t>(i * units + j)]);
  });
}

}  // namespace merovane
