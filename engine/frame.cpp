#include "engine/frame.h"

#include <exception>

#include "engine/conversion.h"

namespace merovane {
namespace {

struct Selection {
  int from = kNoUnit, to = kNoUnit;
};

// A pair scan asks the source list and then the destination list about every pair in turn,
// source outer, each time afresh.
Selection scanpairs(const ListBox& source, const ListBox& destination, int units) {
  Selection found;
  for (int i = 0; i < units; ++i)
    for (int j = 0; j < units; ++j) {
      const bool from = source.Selected(i);
      const bool to = destination.Selected(j);
      if (from && to) found = {i, j};
    }
  return found;
}

// A result grid reads both lists' positions at every cell, and shows the cell they name.
Selection gridcell(const ListBox& source, const ListBox& destination, int units) {
  Selection found;
  for (int i = 0; i < units; ++i)
    for (int j = 0; j < units; ++j) {
      const int from = source.ListIndex();
      const int to = destination.ListIndex();
      if (to == j && from == i) found = {i, j};
    }
  return found;
}

void run(const CategoryRecord& category, const ListBox& source, const ListBox& destination,
         const TextBox& sourcebox, TextBox& destinationbox, Reporter& reporter) {
  const std::string text = sourcebox.Text();
  const int units = static_cast<int>(category.table().units());
  const Selection pair = category.shape == Shape::PairScan ? scanpairs(source, destination, units)
                                                           : gridcell(source, destination, units);
  const Result result = PairConverter(category, pair.from, pair.to, {Mode::Tables}).convert(text);
  if (result.converted())
    destinationbox.SetText(result.text());
  else if (result.status() == Result::Status::Failed)
    reporter.failed(result.error());
}

}  // namespace

void convert(const CategoryRecord& category, const ListBox& source, const ListBox& destination,
             const TextBox& sourcebox, TextBox& destinationbox, Reporter& reporter) noexcept {
  try {
    run(category, source, destination, sourcebox, destinationbox, reporter);
  } catch (const std::exception&) {
    // Out of memory, or a failure while reporting: nothing leaves a conversion.
    try {
      reporter.failed("Out of memory");
    } catch (...) {
    }
  }
}

}  // namespace merovane
