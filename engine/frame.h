// The window's converters on their controls: the frame every converter shares, a thin adapter
// over the one conversion path. It reads the source box, finds the selected pair as the
// category's shape does (a pair scan asks both lists about every pair; a result grid reads the
// lists' positions), converts through PairConverter, and writes the result into the destination
// box, or hands the failure to a reporter and leaves the box as it was.
#pragma once

#include <optional>
#include <string>

#include "core/category.h"
#include "core/controls.h"
#include "core/runtime.h"

namespace merovane {

// How a failed conversion is shown: not at all, in a message box, or recorded for a caller.
class Reporter {
 public:
  virtual ~Reporter() = default;
  virtual void failed(const std::string& description) = 0;
};

// Shows a failure as a category's display says: not at all, or its description in `box` with
// an OK button and the default title.
class DisplayReporter final : public Reporter {
 public:
  DisplayReporter(FailureDisplay display, MessageBox& box) : display_(display), box_(box) {}
  void failed(const std::string& description) override {
    if (display_ == FailureDisplay::MessageBox) box_.MsgBox(description);
  }

 private:
  FailureDisplay display_;
  MessageBox& box_;
};

// Reads `sourcebox`, converts it from the unit selected in `source` to the one selected in
// `destination` by the category's table, and writes the result into `destinationbox`. Every
// error ends here: it goes to `reporter` and the destination box keeps its text.
void convert(const CategoryRecord& category, const ListBox& source, const ListBox& destination,
             const TextBox& sourcebox, TextBox& destinationbox, Reporter& reporter) noexcept;

}  // namespace merovane
