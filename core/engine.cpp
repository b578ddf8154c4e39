#include "core/engine.h"

#include <exception>

#include "core/frame.h"

namespace merovane {
namespace {

void report(Reporter& reporter, const RuntimeError& error) noexcept {
  try {
    reporter.failed(error);
  } catch (...) {
    // A failure while reporting ends here too: nothing leaves a conversion.
  }
}

void run(const Category& category, const ListBox& source, const ListBox& destination,
         const TextBox& sourcebox, TextBox& destinationbox) {
  const std::string text = sourcebox.Text();
  if (text.empty() && category.emptytext == EmptyText::ConvertsNothing) return;
  const double value = texttonumber(text);
  const ConversionTable& table = category.table();
  switch (category.shape) {
    case Shape::PairScan:
      pairscan(source, destination, destinationbox, table, value);
      break;
    case Shape::TextGrid:
      textgrid(source, destination, destinationbox, table, value);
      break;
    case Shape::NumberGrid:
      numbergrid(source, destination, destinationbox, table, value);
      break;
  }
}

}  // namespace

void convert(const Category& category, const ListBox& source, const ListBox& destination,
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
