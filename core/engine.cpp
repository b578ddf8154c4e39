#include "core/engine.h"

#include <exception>

#include "core/frame.h"
#include "core/mode.h"

namespace merovane {
namespace {

void report(Reporter& reporter, const RuntimeError& error) noexcept {
  try {
    reporter.failed(error);
  } catch (...) {
    // A failure while reporting ends here too: nothing leaves a conversion.
  }
}

void run(const CategoryRecord& category, const ListBox& source, const ListBox& destination,
         const TextBox& sourcebox, TextBox& destinationbox) {
  const std::string text = sourcebox.Text();
  if (text.empty() && category.emptytext == EmptyText::ConvertsNothing) return;
  const double value = texttonumber(text);
  const ConversionTable& table = category.table();
  if (!failswhole(category))
    pairscan(source, destination, destinationbox, table, value);
  else if (category.shape == Shape::TextGrid)
    textgrid(source, destination, destinationbox, table, value);
  else
    numbergrid(source, destination, destinationbox, table, value);
}

}  // namespace

void convert(const CategoryRecord& category, const ListBox& source, const ListBox& destination,
             const TextBox& sourcebox, TextBox& destinationbox, Reporter& reporter) noexcept {
  try {
    run(category, source, destination, sourcebox, destinationbox);
  } catch (const RuntimeError& error) {
    report(reporter, error);
  } catch (const std::exception&) {
    report(reporter, RuntimeError(ErrorKind::Control, "Out of memory"));
  }
}

}  // namespace merovane
